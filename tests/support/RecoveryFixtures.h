// SPDX-License-Identifier: MIT
#pragma once

#include "RecoveryStore.h"
#include "SequenceFileWriter.h"

#include <random>

namespace RecoveryFixtures {

inline SequenceFile randomFile(std::mt19937_64& random)
{
    SequenceFile file;
    for (int& value : file.events)
        value = int(random() % 16);
    for (int& color : file.ledColors)
        color = int(random() % ColorTable::Count);
    for (int& mode : file.servoModes)
        mode = int(random() % ServoControl::Count);
    file.lastEvent = int(random() % SequenceFile::EventCount);
    file.picSpeed = ProgramSettings::MinSpeed + int(random() % 50);
    return file;
}

inline RecoveryStore::Copy randomCopy(std::mt19937_64& random)
{
    const int number = int(random() % 1000);
    return {SequenceFileWriter::encode(randomFile(random)),
            number % 3 == 0 ? QString() : QStringLiteral("/home/pilot/show%1.dat").arg(number),
            QStringLiteral("STROBIX - show%1.dat").arg(number)};
}

inline bool sameCopy(const RecoveryStore::Copy& a, const RecoveryStore::Copy& b)
{
    return a.data == b.data && a.rememberedFile == b.rememberedFile && a.caption == b.caption;
}

} // namespace RecoveryFixtures

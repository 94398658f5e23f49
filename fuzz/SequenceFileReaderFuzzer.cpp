// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes at all must either be read as a sequence data
// file whose every value the program can hold, or be rejected with a reason;
// never crash, hang or leak. A file that is read must write back and read
// again to the same values, and apply to a sequence exactly.
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void checkAccepted(const SequenceFile& file)
{
    const QByteArray written = SequenceFileWriter::encode(file);
    const SequenceFileReader::Result again = SequenceFileReader::parse(written);
    check(again.ok() && *again.file == file);

    LedSequence sequence;
    ProgramSettings settings;
    file.openInto(sequence, settings);
    SequenceFile expected = file;
    for (int& event : expected.events)
        if (event < 0 || event > 15)
            event = 0; // such values light no cell
    check(SequenceFile::capture(sequence, settings) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool complete : {true, false}) {
        int lastProgress = 0;
        const SequenceFileReader::Result result =
            SequenceFileReader::parse(bytes, complete, [&](int events) {
                check(events == lastProgress + 1);
                lastProgress = events;
            });
        check(result.ok() == result.problem.isEmpty());
        if (result.ok()) {
            check(lastProgress == SequenceFile::EventCount);
            checkAccepted(*result.file);
        }
    }
    return 0;
}

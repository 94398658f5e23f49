// SPDX-License-Identifier: MIT
#pragma once

#include "SequenceFile.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// A sequence in a short link, `https://…/#seq=<value>`, for the browser
// edition and for passing sequences around in mail and chat.
//
// The value is base64url (RFC 4648, section 5: A-Z a-z 0-9 - _) without
// padding, so it needs no escaping in a URL; its last character's unused
// bits are zero. It encodes these bytes:
//
//   byte 0         format version: 1
//   bytes 1..n-3   the 65 values of a data file, packed as bits, most
//                  significant bit first:
//                    50 x 4 bits  the event values 0..15 of events 1..50
//                                 (LED#1 = 1, LED#2 = 2, LED#3 = 4, LED#4 = 8)
//                     4 x 3 bits  the colours of LED#1..LED#4 (0..7)
//                         6 bits  the last event (0..49)
//                     4 x 4 bits  the servo-control choices of LED#1..LED#4 (0..15)
//                         7 bits  the sequencer speed, PICSpeed (1..100)
//                         7 bits  the test speed, PCSpeed (1..100)
//                         1 bit   1 when the four spare colour entries follow
//                   [ 4 x 16 bits the spare colour entries, two's complement ]
//                    zero bits up to the next whole byte
//   last 2 bytes   CRC-16/CCITT-FALSE (polynomial 0x1021, initial 0xFFFF, no
//                  reflection, no final XOR) of every byte before, high byte
//                  first
//
// Spare colour entries are nearly always 0, so most links hold 35 bytes (47
// characters), the others 43 (58). The checksum covers the version too and
// stays the last two bytes in every version, so a link of a newer version is
// told apart from a damaged one. Any one character changed is caught (a
// 16-bit CRC finds every burst of up to 16 bits), one added or dropped by the
// length.
class SequenceLink {
    Q_DECLARE_TR_FUNCTIONS(SequenceLink)

public:
    static constexpr int Version = 1;
    static inline const QString Key = QStringLiteral("seq=");

    enum class Problem {
        None,
        Damaged, // not a link of this program, cut short, changed, or a value out of range
        Newer,   // a later version's link, whole: this version cannot read it
    };

    struct Decoded {
        std::optional<SequenceFile> file;
        Problem problem = Problem::None;
        QString text; // when refused: why, as a sentence for the user

        bool ok() const { return file.has_value(); }
    };

    // The value after "seq=". An event value outside 0..15 lights no cell, so
    // it goes as 0: the link holds what Open followed by Save would write.
    static QString encode(const SequenceFile& file);
    // "#seq=<value>", after base without its own fragment when one is given.
    static QString link(const SequenceFile& file, const QString& base = {});

    // Takes a whole link, its "#seq=…" fragment or "seq=…" alone (other
    // fragment parameters, separated by "&", are passed over). Every value is
    // checked against the ranges the data file reader accepts.
    static Decoded decode(const QString& link);

    // Whether a command-line argument is meant as a link rather than a file.
    static bool isLink(const QString& argument);
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Splits the text of a data file into fields: a field ends at a comma or a
// line end (CR LF; a lone CR or LF is taken as one too); blanks in front of a
// field are skipped; a field that begins with a double quote runs to the next
// double quote on the same line, any other field to the next comma or line end
// (blanks behind it are dropped).
class FieldScanner {
public:
    enum class Status {
        Value,          // text holds the field
        EndOfData,      // no field left
        CutOff,         // the field runs into the end of a partial read
        MissingQuote,   // a quoted field without its closing quote on its line
        TextAfterQuote, // something other than blanks between closing quote and delimiter
    };

    struct Field {
        Status status = Status::EndOfData;
        QByteArray text;
        int line = 1; // the 1-based line the field starts on
    };

    // complete: data is the whole file, not only its beginning.
    FieldScanner(const QByteArray& data, bool complete);

    Field next();

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
    bool atEnd() const { return m_pos >= m_data.size(); }

    void skipBlanks();
    Field quotedField(int line);
    Field bareField(int line);
    // Steps over the comma or line end that closes a field; false when there
    // is something else.
    bool consumeDelimiter();

    // Held by value (implicitly shared, so not copied): a scanner built from a
    // temporary stays valid. Const, so reading it never detaches.
    const QByteArray m_data;
    bool m_complete;
    qsizetype m_pos = 0;
    int m_line = 1;
};

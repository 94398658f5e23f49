// SPDX-License-Identifier: MIT
#include "FieldScanner.h"

FieldScanner::FieldScanner(const QByteArray& data, bool complete)
    : m_data(data)
    , m_complete(complete)
{
}

FieldScanner::Field FieldScanner::next()
{
    skipBlanks();
    const int line = m_line;
    if (atEnd())
        return {m_complete ? Status::EndOfData : Status::CutOff, {}, line};
    if (m_data[m_pos] == '"')
        return quotedField(line);
    return bareField(line);
}

void FieldScanner::skipBlanks()
{
    while (!atEnd() && isBlank(m_data[m_pos]))
        ++m_pos;
}

FieldScanner::Field FieldScanner::quotedField(int line)
{
    const qsizetype start = m_pos + 1;
    qsizetype end = start;
    while (end < m_data.size() && m_data[end] != '"' && !isLineEnd(m_data[end]))
        ++end;
    if (end == m_data.size())
        return {m_complete ? Status::MissingQuote : Status::CutOff, {}, line};
    if (m_data[end] != '"')
        return {Status::MissingQuote, {}, line};
    const QByteArray text = m_data.mid(start, end - start);
    m_pos = end + 1;
    skipBlanks();
    if (atEnd() && !m_complete)
        return {Status::CutOff, {}, line};
    if (!consumeDelimiter())
        return {Status::TextAfterQuote, text, line};
    return {Status::Value, text, line};
}

FieldScanner::Field FieldScanner::bareField(int line)
{
    const qsizetype start = m_pos;
    while (!atEnd() && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
        ++m_pos;
    if (atEnd() && !m_complete)
        return {Status::CutOff, {}, line};
    qsizetype end = m_pos;
    while (end > start && isBlank(m_data[end - 1]))
        --end;
    const QByteArray text = m_data.mid(start, end - start);
    consumeDelimiter();
    return {Status::Value, text, line};
}

bool FieldScanner::consumeDelimiter()
{
    if (atEnd())
        return true;
    const char c = m_data[m_pos];
    if (c == ',') {
        ++m_pos;
        return true;
    }
    if (!isLineEnd(c))
        return false;
    ++m_pos;
    if (c == '\r' && !atEnd() && m_data[m_pos] == '\n')
        ++m_pos;
    ++m_line;
    return true;
}

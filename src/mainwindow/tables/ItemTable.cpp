#include "ItemTable.h"

int TItemTable::PositionOf(uint16_t value) const
{
    for (int i = 0; i < m_count; ++i)
        if (m_entries[i].Value == value)
            return i;
    return -1;
}

std::optional<uint16_t> TItemTable::ValueAt(int position) const
{
    if (!Contains(position))
        return std::nullopt;
    return m_entries[position].Value;
}

QString TItemTable::CaptionAt(int position) const
{
    return Contains(position) ? QString::fromLatin1(m_entries[position].Caption) : QString();
}

QString TItemTable::PlainCaptionAt(int position) const
{
    return Contains(position) ? PlainText(m_entries[position].Caption) : QString();
}

QString TItemTable::PlainCaptionOf(uint16_t value) const
{
    return PlainCaptionAt(PositionOf(value));
}

QStringList TItemTable::Captions() const
{
    QStringList captions;
    for (const TItemEntry &entry : *this)
        captions << QString::fromLatin1(entry.Caption);
    return captions;
}

QString PlainText(const char *caption)
{
    return QString::fromLatin1(caption).replace(QLatin1String("&&"), QLatin1String("&"));
}

QString MenuText(const QString &plain)
{
    QString text = plain;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

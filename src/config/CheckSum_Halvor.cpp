#include "CheckSum_Halvor.h"

namespace {

const QString kCheckSumKey = QStringLiteral("CheckSum");

uint32_t CharValue(QChar c)
{
    return c.unicode() < 128 ? c.unicode() : 128;
}

// The first line whose name (the text before "=") is "CheckSum", whatever its case.
int CheckSumLine(const QStringList &lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        const int eq = lines[i].indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? lines[i] : lines[i].left(eq);
        if (name.compare(kCheckSumKey, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

uint32_t TCheckSum_Halvor::Checksum(const QStringList &lines)
{
    // The sum runs over the text as if every line ended with CR LF, so a file
    // whose line ends were turned into LF alone still checks.
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    if (text.isEmpty())
        return 128;
    // The first character counts twice; the sum stops at the "C" of the first
    // "CheckSum" in the text, wherever it stands.
    uint32_t sum = CharValue(text.at(0));
    const int position = text.indexOf(kCheckSumKey);
    for (int i = 0; i <= position; ++i)
        sum += CharValue(text.at(i));
    return sum;
}

void TCheckSum_Halvor::SetStringlist_With_CheckSum(QStringList *list)
{
    m_list = list;
    if (!list)
        return;
    if (Read_or_Write == _Write)
        Sign(*list);
    else
        Check(*list);
}

QStringList TCheckSum_Halvor::Signed(QStringList lines)
{
    TCheckSum_Halvor signer;
    signer.Read_or_Write = _Write;
    signer.SetStringlist_With_CheckSum(&lines);
    return lines;
}

void TCheckSum_Halvor::Sign(QStringList &list)
{
    // An older checksum line, whatever the case of its name, would be the one
    // the check reads, and its own text would shift the sum: the list keeps
    // only the new line, last.
    for (int line = CheckSumLine(list); line >= 0; line = CheckSumLine(list))
        list.removeAt(line);
    list.append(kCheckSumKey + QLatin1String("=Null"));
    const uint32_t sum = Checksum(list);
    list[CheckSumLine(list)] = kCheckSumKey + QLatin1Char('=') + QString::number(sum);
}

void TCheckSum_Halvor::Check(const QStringList &list)
{
    const int line = CheckSumLine(list);
    if (line < 0)
        return; // no checksum line: accepted as it is
    const QString &text = list[line];
    bool isNumber = false;
    const qlonglong stored = text.mid(text.indexOf(QLatin1Char('=')) + 1).toLongLong(&isNumber, 10);
    if (!isNumber)
        return; // "CheckSum=Null" and the like: accepted as they are
    if (stored == qlonglong(Checksum(list)))
        return;
    m_invalideFile = true;
    emit OnInvalideFileNotifyChange(this);
    emit MessageRequested(InvalidFileMessage());
}

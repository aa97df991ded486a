#include "ConsoleFile.h"
#include "TextLines.h"

#include <QHash>

namespace ConsoleFile {

namespace {

// Far beyond any screen, so that a damaged number cannot make a window the
// toolkit refuses to build.
constexpr int LargestCoordinate = 100000;

const QString TopKey = QStringLiteral("Top");
const QString LeftKey = QStringLiteral("Left");
const QString WidthKey = QStringLiteral("SizeW");
const QString HeightKey = QStringLiteral("SizeH");

QString CheckedKey(int line)
{
    return QStringLiteral("Checked%1").arg(line);
}

// name=value lines; names are compared without regard to case and the
// first line with a name wins, as in the program's other files.
class TEntries
{
public:
    explicit TEntries(const QString &text)
    {
        for (const QString &line : TextLines::Split(text)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq <= 0)
                continue;
            const QString key = line.left(eq).toLower();
            if (!m_values.contains(key))
                m_values.insert(key, line.mid(eq + 1));
        }
    }
    std::optional<QString> Value(const QString &key) const
    {
        const auto found = m_values.constFind(key.toLower());
        if (found == m_values.constEnd())
            return std::nullopt;
        return *found;
    }

private:
    QHash<QString, QString> m_values;
};

TButton ButtonFrom(const QString &value)
{
    const qsizetype separator = value.indexOf(QLatin1Char(';'));
    if (separator < 0)
        return TButton{value, QString()};
    return TButton{value.left(separator), value.mid(separator + 1)};
}

// "True" and "False" in any case, or a number (non-zero is true), as the
// file's first writers read them; anything else clears the mark.
bool MarkFrom(const QString &value)
{
    const QString text = value.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const qlonglong number = text.toLongLong(&isNumber);
    return isNumber && number != 0;
}

std::optional<int> CoordinateFrom(const TEntries &entries, const QString &key, int smallest)
{
    const std::optional<QString> value = entries.Value(key);
    if (!value)
        return std::nullopt;
    bool isNumber = false;
    const int number = value->trimmed().toInt(&isNumber);
    if (!isNumber || number < smallest || number > LargestCoordinate)
        return std::nullopt;
    return number;
}

TParsed Stopped(TParsed parsed, const QString &problem)
{
    parsed.Complete = false;
    parsed.Problem = problem;
    return parsed;
}

QString LatinLineProblem(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return QStringLiteral("un retour à la ligne");
        if (c.unicode() > 0xFF)
            return QStringLiteral("le caractère « %1 », que le fichier ne peut pas contenir").arg(c);
    }
    return QString();
}

} // namespace

TParsed Parse(const QByteArray &bytes, int listLines)
{
    TParsed parsed;
    parsed.Contents.Checked = QVector<bool>(qMax(0, listLines), true);
    if (bytes.size() > MaxFileSize)
        return Stopped(parsed, QStringLiteral("file larger than %1 bytes").arg(MaxFileSize));
    const TEntries entries(QString::fromLatin1(bytes));

    for (int n = 0; n < ButtonCount; ++n) {
        const std::optional<QString> value = entries.Value(QString::number(n));
        if (!value)
            return Stopped(parsed, QStringLiteral("no entry for button %1").arg(n));
        parsed.Contents.Buttons[n] = ButtonFrom(*value);
    }
    for (int line = 0; line < listLines; ++line) {
        const std::optional<QString> value = entries.Value(CheckedKey(line));
        if (!value)
            return Stopped(parsed, QStringLiteral("no mark for line %1").arg(line));
        parsed.Contents.Checked[line] = MarkFrom(*value);
    }
    const std::optional<int> top = CoordinateFrom(entries, TopKey, -LargestCoordinate);
    const std::optional<int> left = CoordinateFrom(entries, LeftKey, -LargestCoordinate);
    const std::optional<int> width = CoordinateFrom(entries, WidthKey, 1);
    const std::optional<int> height = CoordinateFrom(entries, HeightKey, 1);
    if (!top || !left || !width || !height)
        return Stopped(parsed, QStringLiteral("no readable window position and size"));
    parsed.Contents.Geometry = QRect(*left, *top, *width, *height);
    parsed.Complete = true;
    return parsed;
}

QStringList Lines(const TContents &contents)
{
    QStringList lines;
    for (int n = 0; n < contents.Buttons.size() && n < ButtonCount; ++n)
        lines << QStringLiteral("%1=%2;%3").arg(n).arg(contents.Buttons[n].Descriptor, contents.Buttons[n].Text);
    for (int line = 0; line < contents.Checked.size(); ++line)
        lines << CheckedKey(line) + QLatin1Char('=')
                     + (contents.Checked[line] ? QLatin1String("True") : QLatin1String("False"));
    if (contents.Geometry) {
        const QRect &window = *contents.Geometry;
        lines << TopKey + QLatin1Char('=') + QString::number(window.top())
              << LeftKey + QLatin1Char('=') + QString::number(window.left())
              << WidthKey + QLatin1Char('=') + QString::number(window.width())
              << HeightKey + QLatin1Char('=') + QString::number(window.height());
    }
    return lines;
}

QString DescriptorProblem(const QString &text)
{
    if (text.contains(QLatin1Char(';')))
        return QStringLiteral("Le descripteur ne peut pas contenir « ; ».");
    const QString problem = LatinLineProblem(text);
    return problem.isEmpty() ? problem : QStringLiteral("Le descripteur ne peut pas contenir %1.").arg(problem);
}

QString StringProblem(const QString &text)
{
    const QString problem = LatinLineProblem(text);
    return problem.isEmpty() ? problem : QStringLiteral("La chaîne à envoyer ne peut pas contenir %1.").arg(problem);
}

} // namespace ConsoleFile

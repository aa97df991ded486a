#pragma once
#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// "Debug2007.ini", the service console's own file: its thirty command
// buttons, which lines of its variable list are checked, and where its window
// was. Plain name=value lines, Latin-1, in this order:
//
//   0=descriptor;string to send     ... up to 29=
//   Checked0=True                   ... one per line of the variable list
//   Top=  Left=  SizeW=  SizeH=     the window, in pixels
//
// The descriptor is the text before the first ";", the string everything
// after it, kept as typed ("=" and further ";" included).
namespace ConsoleFile {

constexpr int ButtonCount = 30;
// The real file is a few kilobytes: anything far larger is not one.
constexpr qsizetype MaxFileSize = 1 << 20;

struct TButton
{
    QString Descriptor;
    QString Text;
    bool operator==(const TButton &other) const { return Descriptor == other.Descriptor && Text == other.Text; }
};

struct TContents
{
    QVector<TButton> Buttons = QVector<TButton>(ButtonCount);
    // One mark per line of the variable list, in list order.
    QVector<bool> Checked;
    std::optional<QRect> Geometry;
};

struct TParsed
{
    // What could be read; everything after the first entry that is missing
    // or unreadable keeps its default (empty buttons, marks set, no window
    // geometry), as a file cut short by a crash or a full disk leaves it.
    TContents Contents;
    bool Complete = false;
    // Why reading stopped, when it did.
    QString Problem;
};

// A pure function of the file's bytes, whatever they hold.
TParsed Parse(const QByteArray &bytes, int listLines);
// The lines to write (without line ends).
QStringList Lines(const TContents &contents);

// Why a text cannot be kept in the file (empty when it can): the file is
// made of Latin-1 lines, and ";" ends a descriptor.
QString DescriptorProblem(const QString &text);
QString StringProblem(const QString &text);

} // namespace ConsoleFile

#pragma once
#include <QObject>
#include <QStringList>
#include <cstdint>

enum TTypeReadWrite { _Read = 0, _Write = 1 };

// Signs a key=value list with a final "CheckSum=" line before it is saved, and
// checks that line after it is loaded, to notice a file edited by hand or
// damaged. It works on the caller's list; the file itself is the caller's.
//
// A failed check never changes the list; it raises OnInvalideFileNotifyChange
// and asks for the message "Invalid ini file" through MessageRequested, which
// the windows connect to a message box.
class TCheckSum_Halvor : public QObject
{
    Q_OBJECT
public:
    explicit TCheckSum_Halvor(QObject *parent = nullptr) : QObject(parent) {}

    TTypeReadWrite Read_or_Write = _Read;

    // Stores the list, then checks (_Read) or signs (_Write) it at once.
    void SetStringlist_With_CheckSum(QStringList *list);
    QStringList *Stringlist_With_CheckSum() const { return m_list; }

    // Sticky: once a check failed it stays true for the life of the component.
    bool InvalideFile() const { return m_invalideFile; }

    static uint32_t Checksum(const QStringList &lines);
    // The list with its "CheckSum=" line, for callers that have no component
    // of their own to keep.
    static QStringList Signed(QStringList lines);
    static QString InvalidFileMessage() { return QStringLiteral("Invalid ini file"); }

signals:
    void OnInvalideFileNotifyChange(QObject *sender);
    void MessageRequested(const QString &text);

private:
    void Sign(QStringList &list);
    void Check(const QStringList &list);

    QStringList *m_list = nullptr;
    bool m_invalideFile = false;
};

#pragma once
#include <QByteArray>
#include <functional>

// Where the picture-memory transfer plugs in. Writing PMODE = 6 on a link
// enters transfer mode there (Enter); while the hook is active the bytes of
// that link bypass the command parser and go to the hook as they arrive. Its
// answers go back on the same link, at the same pace, without the report
// faults.
class TransferHook
{
public:
    using Reply = std::function<void(const QByteArray &bytes)>;

    virtual ~TransferHook() = default;
    virtual bool IsActive() const = 0;
    // reply stays valid while the hook is active, for answers that come later.
    virtual void Enter(const Reply &reply) = 0;
    // Returns the bytes that arrived after the transfer ended (the application
    // may send its next command right behind the last record); empty while
    // the transfer goes on.
    virtual QByteArray HandleRawBytes(const QByteArray &bytes) = 0;
};

#pragma once
#include <QByteArray>
#include <functional>

// Where the picture-memory transfer plugs in. While a hook is active (the
// device in transfer mode), the bytes of the link bypass the command parser
// and go to the hook as they arrive; its answers go back on the same link,
// at the same pace, without the report faults.
class TransferHook
{
public:
    using Reply = std::function<void(const QByteArray &bytes)>;

    virtual ~TransferHook() = default;
    virtual bool IsActive() const = 0;
    virtual void HandleRawBytes(const QByteArray &bytes, const Reply &reply) = 0;
};

#pragma once
#include "ComDriver.h"

#include <QHash>
#include <optional>

// The device's text protocol. A write is the value in decimal followed by the
// variable's send mnemonic ("1024RX"), a request the mnemonic alone ("RX");
// nothing is appended. Replies are lines ended by CR LF: a reply mnemonic
// followed by a decimal value ("RX1024"). Writes never touch the cache: only
// the device's replies do.
class TComDriverSimple : public TComDriver
{
    Q_OBJECT
public:
    using TComDriver::TComDriver;

protected:
    void ParseReceived() override;
    void DoSendVar(int varNumber, uint16_t value) override;
    void RequestVar(int varNumber) override;

private:
    struct TReply
    {
        int VarNumber;
        uint16_t Value;
    };
    std::optional<TReply> matchReply(const char *line, qsizetype length);
    void handleReply(const TReply &reply);
    void sendMessage(const QString &text);

    // Reply mnemonic -> first variable carrying it. No reply mnemonic holds a
    // digit, so the mnemonic of a line is everything before its first digit.
    QHash<QByteArray, int> m_replyIndex;
};

#pragma once
#include "ComPort2.h"
#include "variables/ComDriverTypes.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class QTcpSocket;
class QUdpSocket;

enum TConnectionType { ctNONE, ctRS232, ctUDP, ctTCP };
enum TConnectionMode { cmVAR, cmRAW };

// The one connection between the program and the device: it opens the
// transport chosen by ConType, gathers received bytes in the receive
// accumulator, holds the variable list and watches the device with the poll
// timer. The wire format and the device checks are left to the subclasses.
//
// Everything runs on the thread that owns the driver; the few calls a worker
// thread may make are marked below and are carried to that thread.
class TComDriver : public QObject
{
    Q_OBJECT
public:
    using TRecStringHandler = std::function<void()>;

    static constexpr int DefaultPollIntervalMs = 1000;
    static constexpr int DefaultReconnectDelayMs = 10000;
    static constexpr int DefaultSerialReopenMs = 2000;
    static constexpr qsizetype TransferBufferSize = 8192;

    explicit TComDriver(int pollIntervalMs = DefaultPollIntervalMs,
                        int reconnectDelayMs = DefaultReconnectDelayMs, QObject *parent = nullptr);
    ~TComDriver() override;

    bool Open();
    void Close();
    bool Opened() const;

    // No terminator is added; nothing is sent while the link is closed.
    void SendText(const QString &text);

    // Thread-safe: may be called from any thread.
    void SendRawText(const QString &text);
    // SendRawText without the wait: from another thread it returns at once,
    // and the text goes out on the driver's thread in order with the
    // caller's other calls to the driver.
    void PostRawText(const QString &text);
    QString TakeReceivedText();
    TConnectionMode ConMode() const;
    void SetConMode(TConnectionMode mode);
    uint32_t BaudRate() const;
    void SetBaudRate(uint32_t baud);
    // Installs the handler run instead of the OnRecString signal (an empty
    // handler gives the signal back); returns the handler it replaces.
    TRecStringHandler SetRecStringHandler(TRecStringHandler handler);

    void SendVar(int varNumber, uint16_t value) { DoSendVar(varNumber, value); }
    uint16_t GetVar(int varNumber) const { return GetVariable(varNumber)->GetValue(); }
    void SetVarElement(int varNumber, int32_t index, uint16_t value);
    uint16_t GetVarElement(int varNumber, int32_t index) const;
    uint16_t GetVarMin(int varNumber) const { return GetVariable(varNumber)->Min; }
    uint16_t GetVarMax(int varNumber) const { return GetVariable(varNumber)->Max; }
    uint16_t GetVarDefault(int varNumber) const { return GetVariable(varNumber)->Default; }
    // Throws TMorlixError "Variable index out of bounds." outside 0..218.
    TVariable *GetVariable(int varNumber) const;

    QString Port() const { return m_port; }
    void SetPort(const QString &port);
    TConnectionType ConType() const { return m_conType; }
    void SetConType(TConnectionType type);
    int IPLocalPort() const { return m_ipLocalPort; }
    void SetIPLocalPort(int port);
    int IPRemotePort() const { return m_ipRemotePort; }
    void SetIPRemotePort(int port);
    QString IPRemoteAddress() const { return m_ipRemoteAddress; }
    void SetIPRemoteAddress(const QString &address);
    bool Connected() const { return m_connected; }
    bool ForceConnection() const { return m_forceConnection; }
    void SetForceConnection(bool force);
    bool QueryAllVarsOnConnect() const { return m_queryAllVarsOnConnect; }
    void SetQueryAllVarsOnConnect(bool query) { m_queryAllVarsOnConnect = query; }
    QString ReceivedString() const { return m_receivedString; }
    void SetReceivedString(const QString &text) { m_receivedString = text; }
    QString SentString() const { return m_sentString; }
    void SetSentString(const QString &text) { m_sentString = text; }

    // How often a serial port that went away is opened again until it is back.
    void SetSerialReopenIntervalMs(int ms) { m_serialReopenTimer.setInterval(ms); }
    // A serial port went away and is being waited for.
    bool AwaitingSerialPort() const { return m_serialReopenTimer.isActive(); }

    // Hands a chunk to the receive path as if a transport had delivered it.
    void ReceiveChunk(const QByteArray &chunk);
    // One step of the reconnection and device watch; the poll timer calls it.
    void PollTick();

signals:
    void OnRecString();
    void OnSentString();
    void OnConTypeChange();
    void OnConModeChange();
    void OnIPLocalPortChange();
    void OnIPRemotePortChange();
    void OnIPRemoteAddressChange();
    void OnBeforeVarChange(int varNumber, quint16 value);
    void OnAfterVarChange(int varNumber);
    void OnVarReceived(int varNumber);
    void OnConnectedChange();

protected:
    virtual void ParseReceived() = 0;
    virtual void DoSendVar(int varNumber, uint16_t value) = 0;
    virtual void RequestVar(int varNumber) = 0;
    virtual bool IsDeviceTypeCode(char code) const = 0;
    virtual void QueryDeviceType() = 0;
    virtual bool IsDevicePresent() const = 0;
    virtual void SignalDeviceLost() = 0;
    virtual void RequestAllVars() = 0;
    virtual bool IsAllVarsReceived() const = 0;

    // For the codec: the accumulator and the poll timer it restarts.
    QByteArray &Accumulator() { return m_accumulator; }
    bool InVarMode() const { return m_conMode == cmVAR; }
    void RestartPollTimer();
    void FireRecString();
    // The codec calls it after each reply it has handled: the type reply of
    // a device being looked for makes it present at once.
    void ReplyHandled();

    std::vector<std::unique_ptr<TVariable>> m_variables;

private:
    // Runs f on the driver's thread, waiting for it when called from another.
    template <typename F>
    auto onDriverThread(F f) const
    {
        using R = std::invoke_result_t<F>;
        auto *self = const_cast<TComDriver *>(this);
        if (QThread::currentThread() == thread()) {
            return f();
        } else if constexpr (std::is_void_v<R>) {
            QMetaObject::invokeMethod(self, f, Qt::BlockingQueuedConnection);
        } else {
            R result{};
            QMetaObject::invokeMethod(self, f, Qt::BlockingQueuedConnection, &result);
            return result;
        }
    }

    enum TReopenScope { reopenSerial = 1, reopenUdp = 2, reopenTcp = 4, reopenAny = 7 };
    // Closes the link if the changed setting concerns it, applies the change
    // and opens it again.
    template <typename Apply>
    void reopenAround(int scope, Apply apply);
    bool linkInUse() const;
    int currentScope() const;

    bool openSerial();
    bool openUdp();
    bool startTcpConnection();
    void closeSerial();
    void closeUdp();
    void closeTcp();
    void replaceTcpClient();

    void sendInRawMode(const QString &text);
    void onSerialData(const QByteArray &chunk);
    void onUdpReadyRead();
    void onTcpReadyRead();
    void onTcpConnected();
    void onTcpFailure();
    void onSerialLost();
    // The link to the device broke (a serial port gone, a TCP connection lost).
    void loseDevice();
    void reopenLostSerial();
    // Starts the watch on a link that has just opened: the first query goes
    // out now rather than a tick later.
    void startWatch();
    void advancePollState();
    // The end of a watch cycle: the device found present or absent.
    void settlePresence(bool present);

    QUdpSocket *m_udp;
    QPointer<QTcpSocket> m_tcp;
    TComPort2 m_serial;
    QTimer m_pollTimer;
    QTimer m_serialReopenTimer;
    uint8_t m_pollState = 0;
    bool m_tcpConnecting = false;
    QString m_port;
    uint32_t m_baudRate = 9600;
    TConnectionType m_conType = ctNONE;
    TConnectionMode m_conMode = cmVAR;
    int m_ipLocalPort = 10000;
    int m_ipRemotePort = 10500;
    QString m_ipRemoteAddress = QStringLiteral("192.168.0.10");
    bool m_previousPresence = false;
    bool m_connected = false;
    bool m_forceConnection = false;
    bool m_queryAllVarsOnConnect = true;
    QString m_receivedString;
    QString m_sentString;
    TRecStringHandler m_recStringHandler;
    int m_reconnectDelayMs;
    bool m_reconnectPending = false;
    QDeadlineTimer m_reconnectDeadline;
    QByteArray m_accumulator;
};

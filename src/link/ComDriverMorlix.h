#pragma once
#include "ComDriverSimple.h"

// The driver of the Morlix: a live mirror of the device's 219 variables over
// RS-232, UDP or TCP, and a watch of the device's presence.
//
// Using it (everything on the thread that owns the driver unless noted):
//
//   TComDriverMorlix link;                    // or (pollMs, reconnectMs) for tests
//   link.SetConType(ctTCP);                   // ctNONE, ctRS232, ctUDP, ctTCP
//   link.SetIPRemoteAddress("192.168.0.10");  // SetIPRemotePort, SetIPLocalPort,
//   link.Open();                              // SetPort("/dev/ttyUSB0"), SetBaudRate
//   connect(&link, &TComDriver::OnVarReceived, ...);
//
// Settings: Port, BaudRate, ConType, IPLocalPort, IPRemotePort and
// IPRemoteAddress reopen a link they concern; ConMode (cmVAR, cmRAW),
// ForceConnection and QueryAllVarsOnConnect only store. Opened() and
// Connected() are read-only. Open() returns false when the transport cannot
// be opened (for TCP: true once the attempt is started; failures are retried
// after the reconnect delay). Close() also cancels a pending retry.
//
// Variables (n = 0..218, the constants of VariableTable.h; others throw
// TMorlixError): SendVar(n, v) sends "<v><mnemonic>" and never changes the
// cache; GetVar, GetVarMin, GetVarMax, GetVarDefault, GetVarElement,
// SetVarElement, GetVariable.
//
// Text: SendText(text) sends as is while the link is open. ReceivedString()
// is the last reply line, SentString() the last write or request.
//
// Signals, in the order they fire for one reply line: OnRecString,
// OnBeforeVarChange(n, value), OnVarReceived(n), then OnAfterVarChange(n)
// when the value differs from the cached one. Also OnSentString,
// OnConnectedChange and one On<Property>Change per published property.
// In cmRAW nothing is parsed: each received chunk stays in the accumulator
// and fires OnRecString. Signals carry no sender argument: use sender() or
// capture the driver.
//
// Watch: "?" goes out as soon as the link opens (for TCP: once connected),
// then once per four poll intervals (1000 ms) while nobody answers. The
// device's "DEV67" makes it present at once: "1#" goes out and Connected is
// set (OnConnectedChange). A present device that stays silent through three
// queries a poll interval apart is lost ("0?" sent, Connected false). A TCP
// error or hang-up is retried after the reconnect delay (10 s). A serial port
// that goes away (adapter unplugged) shows the device as not connected and is
// opened again every SetSerialReopenIntervalMs (2 s) until it is back; Close
// ends that.
// ReceiveChunk(bytes) feeds the receive path directly (simulators, tests).
//
// From any thread (carried to the driver's thread and waited for; never call
// them while holding a lock that a driver handler takes): ConMode,
// SetConMode, BaudRate, SetBaudRate, SendRawText (sends only in cmRAW),
// PostRawText (the same, not waited for: the text leaves in order with the
// caller's other calls), TakeReceivedText (cmRAW only: returns and empties the accumulator) and
// SetRecStringHandler(handler): the handler runs on the driver's thread
// instead of the OnRecString signal until it is replaced; it returns the
// handler it replaced so that it can be put back, and an empty handler gives
// the signal back.
class TComDriverMorlix : public TComDriverSimple
{
    Q_OBJECT
public:
    explicit TComDriverMorlix(int pollIntervalMs = DefaultPollIntervalMs,
                              int reconnectDelayMs = DefaultReconnectDelayMs, QObject *parent = nullptr);

    // The device answers DEV with its type code; 'C' (67) is a Morlix.
    static constexpr char DeviceTypeCode = 'C';

protected:
    bool IsDeviceTypeCode(char code) const override { return code == DeviceTypeCode; }
    void QueryDeviceType() override;
    bool IsDevicePresent() const override;
    void SignalDeviceLost() override;
    void RequestAllVars() override;
    bool IsAllVarsReceived() const override;
};

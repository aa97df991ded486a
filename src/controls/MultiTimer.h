#pragma once
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

// Periods of a channel: value k means (k + 1) x 250 ms.
enum TTimeS {
    _00250mS,
    _00500mS,
    _00750mS,
    _01000mS,
    _01250mS,
    _01500mS,
    _01750mS,
    _02000mS,
    _02250mS,
    _02500mS,
    _02750mS,
    _03000mS,
    _03250mS,
    _03500mS,
    _03750mS,
    _04000mS,
    _04250mS,
    _04500mS,
    _04750mS,
    _05000mS,
    _05250mS,
    _05500mS,
    _05750mS,
    _06000mS,
    _06250mS,
    _06500mS,
    _06750mS,
    _07000mS,
    _07250mS,
    _07500mS,
    _07750mS,
    _08000mS,
    _08250mS,
    _08500mS,
    _08750mS,
    _09000mS,
    _09250mS,
    _09500mS,
    _09750mS,
    _10000mS
};

// clang-format off
#define MORLIX_TIMER_CHANNELS(X) \
    X(A) \
    X(B) \
    X(C) \
    X(D) \
    X(E) \
    X(F) \
    X(G) \
    X(H) \
    X(I) \
    X(J) \
    X(K) \
    X(L) \
    X(M) \
    X(N) \
    X(O) \
    X(P) \
    X(Q) \
    X(R) \
    X(S) \
    X(T) \
    X(U) \
    X(V) \
    X(W) \
    X(X) \
    X(Y) \
    X(Z)
// clang-format on

// Up to 26 periodic events, channels A to Z, from one underlying timer. On each
// tick a channel whose counter has reached its period value fires and starts
// again at 0; otherwise its counter goes up. Changing a period or stopping the
// timer never resets a counter.
class TMultiTimer : public QObject
{
    Q_OBJECT
public:
    using THandler = std::function<void()>;
    static constexpr int ChannelCount = 26;

    // The base interval is 250 ms; tests give a shorter one.
    explicit TMultiTimer(QObject *parent = nullptr, int baseIntervalMs = 250);

    bool Enabled() const { return m_timer.isActive(); }
    void SetEnabled(bool enabled);

    TTimeS Period(int channel) const { return m_period[size_t(channel)]; }
    void SetPeriod(int channel, TTimeS period) { m_period[size_t(channel)] = period; }
    void SetHandler(int channel, THandler handler) { m_handler[size_t(channel)] = std::move(handler); }

#define MORLIX_TIMER_ACCESSORS(c) \
    TTimeS Timer##c##ms() const { return Period(#c[0] - 'A'); } \
    void SetTimer##c##ms(TTimeS period) { SetPeriod(#c[0] - 'A', period); } \
    void SetOnTimer##c##msEvent(THandler handler) { SetHandler(#c[0] - 'A', std::move(handler)); }
    MORLIX_TIMER_CHANNELS(MORLIX_TIMER_ACCESSORS)
#undef MORLIX_TIMER_ACCESSORS

    // One tick of the underlying timer; public so that a test can step it.
    void Tick();

private:
    QTimer m_timer;
    std::array<TTimeS, ChannelCount> m_period{};
    std::array<uint32_t, ChannelCount> m_counter{};
    std::array<THandler, ChannelCount> m_handler;
};

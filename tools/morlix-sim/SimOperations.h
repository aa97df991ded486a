#pragma once
#include <QObject>
#include <QQueue>
#include <QTimer>

// The one-shot commands (STORE, FACTORYRESET, ...): the device reports 1,
// works for a while and reports 0. Operations that take long in the real
// device also report their kind (COPKIND) and progress (COPPROGRESS).
// Operations run one after the other, one step per tick.
class SimOperations : public QObject
{
    Q_OBJECT
public:
    explicit SimOperations(QObject *parent = nullptr);

    static bool IsOneShot(int varNumber);
    // The COPKIND reported while the operation runs, 0 for a short one.
    static int KindOf(int varNumber);

    static constexpr int ProgressStep = 25;

    void SetStepInterval(int milliseconds);
    void Start(int varNumber);
    bool IsRunning() const { return m_current >= 0; }

signals:
    void Begun(int varNumber);
    void Progressed(int varNumber, int kind, int percent);
    void Finished(int varNumber);

private:
    void BeginNext();
    void Step();

    QTimer m_timer;
    QQueue<int> m_waiting;
    int m_current = -1;
    int m_percent = 0;
};

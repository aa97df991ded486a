#include "TestRegistry.h"
#include "variables/MorlixVariables_d.h"

#include <QtTest>

class MorlixVariablesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWriteFiresItsOwnHandler()
    {
        TMorlixVariables vars;
        int dev = 0, hpos = 0;
        vars.onDEVChange([&] { ++dev; });
        vars.onHPOSChange([&] { ++hpos; });
        vars.SetVarNumber(DEV);
        vars.SetVarNumber(DEV);
        QCOMPARE(dev, 2);
        QCOMPARE(hpos, 0);
        vars.SetVarNumber(HPOS);
        QCOMPARE(hpos, 1);
        QCOMPARE(vars.VarNumber(), uint16_t(HPOS));
    }

    void firstAndLastSlotsAreWired()
    {
        TMorlixVariables vars;
        QList<int> fired;
        vars.onDIESEChange([&] { fired << 0; });
        vars.onLANPROTOCOLChange([&] { fired << 218; });
        vars.SetVarNumber(0);
        vars.SetVarNumber(218);
        QCOMPARE(fired, (QList<int>{0, 218}));
    }

    void numbersOutsideTheTableFireNothing()
    {
        TMorlixVariables vars;
        int calls = 0;
        for (int n = 0; n < VarTableSize; ++n)
            vars.OnChange(n, [&] { ++calls; });
        vars.SetVarNumber(219);
        QCOMPARE(vars.VarNumber(), uint16_t(219));
        vars.SetVarNumber(300);
        QCOMPARE(calls, 0);
        vars.SetVarNumber(ERROR); // no handler at all is skipped silently
        QCOMPARE(calls, 1);
    }

    void severalHandlersRunInOrder()
    {
        TMorlixVariables vars;
        QStringList order;
        vars.onICHChange([&] { order << "page"; });
        vars.onICHChange([&] { order << "strip"; });
        vars.SetVarNumber(ICH);
        QCOMPARE(order, (QStringList{"page", "strip"}));
    }

    void handlerMayAddHandlers()
    {
        TMorlixVariables vars;
        int later = 0;
        vars.onICHChange([&] {
            for (int i = 0; i < 20; ++i)
                vars.onICHChange([&] { ++later; });
        });
        vars.SetVarNumber(ICH);
        QVERIFY(later >= 0);
        later = 0;
        vars.SetVarNumber(ICH);
        QVERIFY(later >= 20);
    }
};

MORLIX_TEST(MorlixVariablesTest)
#include "tst_morlixvariables.moc"

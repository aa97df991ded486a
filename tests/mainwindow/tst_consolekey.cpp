#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "console/ConsoleLogModel.h"
#include "console/Unit_Debug2007.h"
#include "helper_mainwindow.h"
#include "mainwindow/MainStatusBar.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The hidden service console: built with the main window, logging from the
// start, opened by Ctrl+Insert once the pointer went over the status bar.
class ConsoleKeyTest : public QObject
{
    Q_OBJECT
private slots:
    void consoleLogsBeforeItIsFirstShown()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        Report(window.Driver(), "RX5\r\nDEV67\r\n");
        TForm_Debug2007 *console = window.ServiceConsole();
        QVERIFY(!console->isVisible());
        QCOMPARE(console->Log()->LoggedRows(), 2);
        // Its file lives with the settings file.
        QCOMPARE(QFileInfo(console->FilePath()).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    }

    void ctrlInsertReachesTheConsoleFromATextField()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        auto *field = new QLineEdit(QStringLiteral("texte"), window.centralWidget());
        field->selectAll();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field->setFocus();

        // Not armed: the field keeps the key for itself.
        QTest::keyClick(field, Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(!window.ServiceConsole()->isVisible());

        emit window.StatusBarPanels()->PointerOver();
        QTest::keyClick(field, Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(window.ServiceConsole()->isVisible());
        window.ServiceConsole()->close();

        // The same through the window system's path, where the field is
        // first asked whether it wants the key as its own shortcut.
        window.activateWindow();
        field->setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(window.ServiceConsole()->isVisible());
        window.ServiceConsole()->close();
    }
};

MORLIX_TEST(ConsoleKeyTest)
#include "tst_consolekey.moc"

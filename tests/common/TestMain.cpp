#include "TestRegistry.h"

#include <QtTest>
#include <cstring>

#ifdef MORLIX_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QCoreApplication;
#endif

// Usage: test_area [ClassName] [QtTest options...]
int main(int argc, char **argv)
{
    TestApplication app(argc, argv);
    const char *only = nullptr;
    std::vector<char *> args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (!only && argv[i][0] != '-' && i == 1)
            only = argv[i];
        else
            args.push_back(argv[i]);
    }
    int failures = 0;
    bool ran = false;
    for (auto &[name, factory] : TestRegistry::Entries()) {
        if (only && std::strcmp(only, name) != 0)
            continue;
        ran = true;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    if (!ran) {
        fprintf(stderr, "no test class named %s\n", only ? only : "(none registered)");
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

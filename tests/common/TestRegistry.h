#pragma once
// Several QtTest classes share one executable per area. Each test file
// registers its class with MORLIX_TEST(Class); the area's main runs the class
// named on its command line (CTest runs each class as its own test), or all.
#include <QObject>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace TestRegistry {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<const char *, Factory>> &Entries()
{
    static std::vector<std::pair<const char *, Factory>> entries;
    return entries;
}

inline bool Add(const char *name, Factory factory)
{
    Entries().emplace_back(name, std::move(factory));
    return true;
}

} // namespace TestRegistry

#define MORLIX_TEST(Class)                                                                        \
    static const bool morlixTestRegistered_##Class =                                              \
        TestRegistry::Add(#Class, [] { return std::unique_ptr<QObject>(new Class); });

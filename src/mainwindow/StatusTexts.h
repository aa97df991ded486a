#pragma once
#include <QString>
#include <cstdint>

// The words the main window uses to report versions, device operations and
// release mismatches.
namespace StatusTexts {

// "Version : 1.05" from VERUPD: high byte, then the low byte on two digits.
QString DeviceVersionLine(uint16_t verupd);
// "I1 = 00A3": label, then the value in upper-case hex on at least four digits.
QString ChecksumLine(const QString &label, uint16_t value);
// "Version : 1.00.00.01" from the build's major, minor, release and build numbers.
QString ProgramVersionLine();
QString ProgramVersionFields(int major, int minor, int release, int build);

// The program's own version record texts.
QString ProgramFileDescription(); // "Remote Control"
QString ProgramProductName();     // "Morlix"

// The notices of the release check, given VERV and its table default; empty
// when the releases match.
QString ReleaseNotice(uint16_t verv, uint16_t expected);

// Texts of the status ticker, from the value masked with 0x7F.
QString FactoryResetText(uint16_t value);
QString MemoryResetText(uint16_t value);
QString StoreText(uint16_t value);
QString OperationCaption(uint16_t copkind);

// Seconds left of a 30 s operation at the given progress.
int RemainingSeconds(int progress, int minimum, int maximum);

} // namespace StatusTexts

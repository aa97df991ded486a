#include "SimFrontPanel.h"
#include "SimDevice.h"
#include "SimStateFile.h"
#include "variables/VariableAddress.h"

#include <QRegularExpression>

SimFrontPanel::SimFrontPanel(SimDevice &device, QObject *parent) : QObject(parent), m_device(device) {}

QString SimFrontPanel::HelpText()
{
    return QStringLiteral("set NAME VALUE     change a variable (NAME[i] for an array element)\n"
                          "get NAME           show a variable (every element of an array)\n"
                          "signal N FORMAT    put a source of detected format FORMAT (0 to 33) on input N;\n"
                          "                   add hdcp for an HDCP source; signal N none removes it\n"
                          "dump [FILE]        show every variable, or write them to FILE (--state's format)\n"
                          "disconnect         drop the connected client\n"
                          "faults off         stop the faults of the command line (drops, noise, closes,\n"
                          "                   silence, latency, refused transfer records); faults on again\n"
                          "quit               stop the simulator\n"
                          "help               this text\n") +
           SimOutput::HelpText() + QLatin1Char('\n') + SimAudio::HelpText();
}

QString SimFrontPanel::Handle(const QString &line)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList words = line.trimmed().split(spaces, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString command = words.first().toLower();
    if (command == QLatin1String("set"))
        return Set(words);
    if (command == QLatin1String("get"))
        return Get(words);
    if (command == QLatin1String("signal"))
        return m_device.Signals().Command(words.mid(1));
    if (command == QLatin1String("dump") && words.size() == 1)
        return SimStateFile::Lines(m_device.State()).join(QLatin1Char('\n'));
    if (command == QLatin1String("dump") && words.size() == 2)
        return DumpToFile(words[1]);
    if (command == QLatin1String("disconnect") && words.size() == 1) {
        emit DisconnectRequested();
        return QStringLiteral("disconnected");
    }
    if (command == QLatin1String("faults"))
        return Faults(words);
    if (command == QLatin1String("quit") && words.size() == 1) {
        emit QuitRequested();
        return QString();
    }
    if (command == QLatin1String("ref"))
        return m_device.Output().FrontPanel(m_device, words);
    if (command == QLatin1String("spdif"))
        return m_device.Audio().FrontPanel(m_device, words);
    if (command == QLatin1String("help"))
        return HelpText();
    return QStringLiteral("unknown command: %1 (type help)").arg(line.trimmed());
}

QString SimFrontPanel::Set(const QStringList &words)
{
    if (words.size() != 3)
        return QStringLiteral("usage: set NAME VALUE");
    TVariableAddress target;
    uint32_t value = 0;
    QString error;
    if (!VariableAddress::ParseTarget(words[1], target, &error)
        || !VariableAddress::ParseValue(words[2], value, &error))
        return error;
    m_device.Write(target.VarNumber, target.Element, value);
    const int shown = target.HasElement() ? target.Element : m_device.State().CurrentElement(target.VarNumber);
    return SimStateFile::Line(m_device.State(), target.VarNumber, shown);
}

QString SimFrontPanel::DumpToFile(const QString &path) const
{
    QString error;
    if (!SimStateFile::Save(path, m_device.State(), &error))
        return QStringLiteral("cannot write %1: %2").arg(path, error);
    return QStringLiteral("written to ") + path;
}

QString SimFrontPanel::Faults(const QStringList &words)
{
    const QString state = words.size() == 2 ? words[1].toLower() : QString();
    if (state != QLatin1String("on") && state != QLatin1String("off"))
        return QStringLiteral("usage: faults on|off");
    emit FaultsSwitched(state == QLatin1String("on"));
    return QStringLiteral("faults ") + state;
}

QString SimFrontPanel::Get(const QStringList &words) const
{
    if (words.size() != 2)
        return QStringLiteral("usage: get NAME");
    TVariableAddress target;
    QString error;
    if (!VariableAddress::ParseTarget(words[1], target, &error))
        return error;
    QStringList lines;
    const int first = target.HasElement() ? target.Element : 0;
    const int last = target.HasElement() ? target.Element : SimDeviceState::ElementCount(target.VarNumber) - 1;
    for (int e = first; e <= last; ++e)
        lines << SimStateFile::Line(m_device.State(), target.VarNumber, e);
    return lines.join(QLatin1Char('\n'));
}

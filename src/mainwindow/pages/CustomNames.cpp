#include "CustomNames.h"

#include "variables/VariableTable.h"

bool TCustomNames::Store(int setting, int position, uint16_t code)
{
    if (setting < 0 || setting >= SettingCount || position < 0 || position >= Capacity)
        return false;
    const QString before = Name(setting);
    m_codes[size_t(setting)][size_t(position)] = uint8_t(code);
    return Name(setting) != before;
}

QString TCustomNames::Name(int setting) const
{
    if (setting < 0 || setting >= SettingCount)
        return QString();
    QString name;
    for (uint8_t code : m_codes[size_t(setting)]) {
        if (code == 0)
            break;
        name += QChar(code);
    }
    return name;
}

bool TCustomNames::Acceptable(const QString &name)
{
    if (name.size() > MaxLength)
        return false;
    for (QChar c : name)
        if (c.unicode() < 32 || c.unicode() > 255)
            return false;
    return true;
}

std::vector<VariableBinding::TElementWrite> TCustomNames::RenameWrites(int setting, const QString &name,
                                                                      uint16_t editingSetting) const
{
    std::vector<VariableBinding::TElementWrite> writes;
    if (setting < 0 || setting >= SettingCount || name == Name(setting) || !Acceptable(name))
        return writes;
    writes.push_back({OCSETTINGNUMBER, uint16_t(setting)});
    for (int i = 0; i < name.size(); ++i) {
        writes.push_back({OCNAMEINDEX, uint16_t(i)});
        writes.push_back({OCNAME, name[i].unicode()});
    }
    writes.push_back({OCNAMEINDEX, uint16_t(name.size())});
    writes.push_back({OCNAME, 0});
    if (editingSetting != setting)
        writes.push_back({OCSETTINGNUMBER, editingSetting});
    return writes;
}

QValidator::State TCustomNameValidator::validate(QString &input, int &) const
{
    return TCustomNames::Acceptable(input) ? Acceptable : Invalid;
}

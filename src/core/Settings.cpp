// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"

#include "core/SettingCodec.h"
#include "core/SettingKeys.h"
#include "platform/SettingsStore.h"

using namespace SettingCodec;

namespace {

QString read(const SettingsStore &store, const SettingDefinition &definition)
{
    return store.value(QLatin1String(definition.section), QLatin1String(definition.key),
                       QLatin1String(definition.defaultValue));
}

QString read(const SettingsStore &store, SettingKey key)
{
    return read(store, SettingKeys::definition(key));
}

void write(SettingsStore &store, const SettingDefinition &definition, const QString &value)
{
    store.setValue(QLatin1String(definition.section), QLatin1String(definition.key), value);
}

void write(SettingsStore &store, SettingKey key, const QString &value)
{
    write(store, SettingKeys::definition(key), value);
}

} // namespace

bool Settings::showAllFiles() const
{
    return flagEqualsOne(read(m_store, SettingKey::ShowAllFiles));
}
void Settings::setShowAllFiles(bool on)
{
    write(m_store, SettingKey::ShowAllFiles, fromCheckBox(on));
}
bool Settings::liveResizeLists() const
{
    return flagEqualsOne(read(m_store, SettingKey::FileFlySize));
}
void Settings::setLiveResizeLists(bool on)
{
    write(m_store, SettingKey::FileFlySize, fromCheckBox(on));
}
bool Settings::liveResizePlayer() const
{
    return flagEqualsOne(read(m_store, SettingKey::VideoFlySize));
}
void Settings::setLiveResizePlayer(bool on)
{
    write(m_store, SettingKey::VideoFlySize, fromCheckBox(on));
}
bool Settings::confirmDelete() const
{
    return flagEqualsOne(read(m_store, SettingKey::DeleteConfirm));
}
void Settings::setConfirmDelete(bool on)
{
    write(m_store, SettingKey::DeleteConfirm, fromCheckBox(on));
}

std::optional<bool> Settings::minimiseForEditList() const
{
    return checkBox(read(m_store, SettingKey::AutoMini));
}
void Settings::setMinimiseForEditList(bool on)
{
    write(m_store, SettingKey::AutoMini, fromCheckBox(on));
}
bool Settings::modernTypes() const
{
    return checkBox(read(m_store, SettingKey::ModernTypes)).value_or(false);
}
void Settings::setModernTypes(bool on)
{
    write(m_store, SettingKey::ModernTypes, fromCheckBox(on));
}
std::optional<bool> Settings::deleteToTrash() const
{
    return checkBox(read(m_store, SettingKey::Delete));
}
void Settings::setDeleteToTrash(bool on)
{
    write(m_store, SettingKey::Delete, fromCheckBox(on));
}
std::optional<bool> Settings::autoPlay() const
{
    return checkBox(read(m_store, SettingKey::AutoPlay));
}
void Settings::setAutoPlay(bool on)
{
    write(m_store, SettingKey::AutoPlay, fromCheckBox(on));
}
std::optional<bool> Settings::autoPlayAtStart() const
{
    return checkBox(read(m_store, SettingKey::AutoPlayStart));
}
void Settings::setAutoPlayAtStart(bool on)
{
    write(m_store, SettingKey::AutoPlayStart, fromCheckBox(on));
}
std::optional<bool> Settings::autoAdvance() const
{
    return checkBox(read(m_store, SettingKey::AutoPlayNext));
}
void Settings::setAutoAdvance(bool on)
{
    write(m_store, SettingKey::AutoPlayNext, fromCheckBox(on));
}
std::optional<bool> Settings::restoreSpeed() const
{
    return checkBox(read(m_store, SettingKey::RestoreSpeed));
}
void Settings::setRestoreSpeed(bool on)
{
    write(m_store, SettingKey::RestoreSpeed, fromCheckBox(on));
}
std::optional<bool> Settings::keepSpeed() const
{
    return checkBox(read(m_store, SettingKey::MaintainSpeed));
}
void Settings::setKeepSpeed(bool on)
{
    write(m_store, SettingKey::MaintainSpeed, fromCheckBox(on));
}
std::optional<bool> Settings::rememberPosition() const
{
    return checkBox(read(m_store, SettingKey::RemPos));
}
void Settings::setRememberPosition(bool on)
{
    write(m_store, SettingKey::RemPos, fromCheckBox(on));
}

int Settings::filesShare() const
{
    return decimalInteger(read(m_store, SettingKey::DefLeft));
}
void Settings::setFilesShare(int percent)
{
    write(m_store, SettingKey::DefLeft, fromInteger(percent));
}
int Settings::listsShare() const
{
    return decimalInteger(read(m_store, SettingKey::DefLeft2));
}
void Settings::setListsShare(int percent)
{
    write(m_store, SettingKey::DefLeft2, fromInteger(percent));
}
int Settings::foldersShare() const
{
    return decimalInteger(read(m_store, SettingKey::DefLeft3));
}
void Settings::setFoldersShare(int percent)
{
    write(m_store, SettingKey::DefLeft3, fromInteger(percent));
}

std::optional<double> Settings::windowLeft() const
{
    return leadingNumberIfAny(read(m_store, SettingKey::Left));
}
std::optional<double> Settings::windowTop() const
{
    return leadingNumberIfAny(read(m_store, SettingKey::Top));
}
std::optional<double> Settings::windowWidth() const
{
    return leadingNumberIfAny(read(m_store, SettingKey::Width));
}
std::optional<double> Settings::windowHeight() const
{
    return leadingNumberIfAny(read(m_store, SettingKey::Height));
}

void Settings::setWindowRectangle(double left, double top, double width, double height)
{
    write(m_store, SettingKey::Left, fromTwips(left));
    write(m_store, SettingKey::Top, fromTwips(top));
    write(m_store, SettingKey::Width, fromTwips(width));
    write(m_store, SettingKey::Height, fromTwips(height));
}

bool Settings::windowMaximised() const
{
    return read(m_store, SettingKey::WinState) == QLatin1String("max");
}
void Settings::setWindowMaximised(bool maximised)
{
    write(m_store, SettingKey::WinState, maximised ? QStringLiteral("max") : QStringLiteral("normal"));
}

std::optional<qint32> Settings::speed() const
{
    return wholeInteger(read(m_store, SettingKey::CurSpeed));
}
void Settings::setSpeed(qint32 percent)
{
    write(m_store, SettingKey::CurSpeed, fromInteger(percent));
}
std::optional<qint32> Settings::startOffsetChoice() const
{
    return wholeInteger(read(m_store, SettingKey::Offset));
}
void Settings::setStartOffsetChoice(qint32 index)
{
    write(m_store, SettingKey::Offset, fromInteger(index));
}
std::optional<qint32> Settings::slideDelayChoice() const
{
    return wholeInteger(read(m_store, SettingKey::Slide));
}
void Settings::setSlideDelayChoice(qint32 index)
{
    write(m_store, SettingKey::Slide, fromInteger(index));
}
std::optional<qint32> Settings::lastPosition() const
{
    return wholeInteger(read(m_store, SettingKey::LastPos));
}
void Settings::setLastPosition(qint32 milliseconds)
{
    write(m_store, SettingKey::LastPos, fromInteger(milliseconds));
}

QString Settings::lastFile() const
{
    return read(m_store, SettingKey::LastFile);
}
void Settings::setLastFile(const QString &path)
{
    write(m_store, SettingKey::LastFile, path);
}
QString Settings::lastFolder() const
{
    return read(m_store, SettingKey::LastPath);
}
void Settings::setLastFolder(const QString &folder)
{
    write(m_store, SettingKey::LastPath, folder);
}

bool Settings::isFirstRun() const
{
    return read(m_store, SettingKey::FirstUse).isEmpty();
}
void Settings::recordFirstRun()
{
    write(m_store, SettingKey::FirstUse, QStringLiteral("false"));
}

std::optional<bool> Settings::dropCollects(int row) const
{
    return booleanWord(read(m_store, SettingKeys::dragDrop(row)));
}
void Settings::setDropCollects(int row, bool on)
{
    write(m_store, SettingKeys::dragDrop(row), fromBoolean(on));
}

bool Settings::sync()
{
    return m_store.sync();
}

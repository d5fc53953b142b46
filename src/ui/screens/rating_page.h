#pragma once

#include <QStringList>

namespace uc {

class RemoteConfigManager;

// The app schemes the catalogue names: the only ones besides https: ever opened.
QStringList catalogueAppSchemes(const RemoteConfigManager& manager);

// Opens this app's rating page from its catalogue entry and logs "Tapped Rating in Menu".
// Returns false, and logs nothing, when the catalogue has no entry for this app or its
// address may not be opened. Asks no connection check: callers do that first.
bool openAppRatingPage(RemoteConfigManager& manager);

}  // namespace uc

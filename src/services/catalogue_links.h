#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace uc {

class RemoteConfigManager;
struct AppMetaData;

// An address from the catalogue, or an empty one when the text is not an absolute address.
QUrl catalogueAddress(const QString& text);
// The name analytics events carry: the entry's English one.
QString englishAppName(const AppMetaData& app);

// The app schemes the bundled catalogue names: the only ones besides https: ever opened. A
// fetched catalogue cannot add any.
QStringList catalogueAppSchemes(const RemoteConfigManager& manager);

// Opens this app's rating page from its catalogue entry and logs "Tapped Rating in Menu".
// Returns false, and logs nothing, when the catalogue has no entry for this app or its
// address may not be opened. Asks no connection check: callers do that first.
bool openAppRatingPage(RemoteConfigManager& manager);

}  // namespace uc

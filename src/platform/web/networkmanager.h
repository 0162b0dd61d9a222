#pragma once
// The access manager under every page (web layer internal): it marks each frame's document request,
// so that a navigation's own headers and User-Agent reach that request and its redirect hops only.
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace web {

// One access manager for every page, so that cookies and the cache are shared and a download goes
// on after the browser that started it is gone.
class NetworkManager : public QNetworkAccessManager {
    Q_OBJECT
public:
    static NetworkManager* shared();

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoing) override;

private:
    using QNetworkAccessManager::QNetworkAccessManager;
};

}  // namespace web

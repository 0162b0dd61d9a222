#pragma once
// The access manager under every page (web layer internal): it marks each frame's document request,
// so that a navigation's own headers and User-Agent reach that request and its redirect hops only.
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QVector>

namespace web {

// One access manager for every page, so that cookies and the cache are shared and a download goes
// on after the browser that started it is gone.
class NetworkManager : public QNetworkAccessManager {
    Q_OBJECT
public:
    static NetworkManager* shared();

    // While one lives, the web requests the manager makes are started before it goes, rather than
    // when the event loop next turns: a navigation's request leaves at once, whatever its caller does
    // before it returns to the loop. Only the start runs early; what the reply delivers still comes
    // through the loop.
    class StartAtOnce {
    public:
        StartAtOnce();
        ~StartAtOnce();
        StartAtOnce(const StartAtOnce&) = delete;
        StartAtOnce& operator=(const StartAtOnce&) = delete;

    private:
        bool outer_;
    };

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoing) override;

private:
    using QNetworkAccessManager::QNetworkAccessManager;

    bool startAtOnce_ = false;
    QVector<QPointer<QNetworkReply>> toStart_;
};

}  // namespace web

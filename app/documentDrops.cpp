#include "app/documentDrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace gyrelune {

namespace {

class DocumentDropFilter : public QObject {
  public:
    DocumentDropFilter(QWidget& window, OpenDocument open)
        : QObject(&window), window_(&window), open_(std::move(open)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        const QString document = droppedDocument(drop->mimeData());
        if (document.isEmpty()) {
            // Children that take drops handle the rest; the window itself refuses them.
            if (watched != window_) return false;
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (type == QEvent::Drop)
            QTimer::singleShot(0, window_, [open = open_, document] { open(document); });
        return true;
    }

  private:
    QWidget* window_;
    OpenDocument open_;
};

} // namespace

QString droppedDocument(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    const QString name = urls.first().toLocalFile();
    if (QFileInfo(name).suffix().compare(QStringLiteral("atr"), Qt::CaseInsensitive) != 0)
        return {};
    return name;
}

void acceptDocumentDrops(QWidget& window, OpenDocument open) {
    auto* filter = new DocumentDropFilter(window, std::move(open));
    window.setAcceptDrops(true);
    window.installEventFilter(filter);
    for (QWidget* child : window.findChildren<QWidget*>())
        if (child->acceptDrops()) child->installEventFilter(filter);
}

} // namespace gyrelune

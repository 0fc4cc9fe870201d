#include "windows/foundAttractorsWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace gyrelune {
namespace {

constexpr int thumbnailSide = 120;

} // namespace

FoundAttractorsWindow::FoundAttractorsWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(tr("Talált attraktorok"));
    seedLabel = new QLabel(this);
    seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    results = new QListWidget(this);
    results->setViewMode(QListView::IconMode);
    results->setIconSize(QSize(thumbnailSide, thumbnailSide));
    results->setGridSize(QSize(thumbnailSide + 16, thumbnailSide + 28));
    results->setResizeMode(QListView::Adjust);
    results->setMovement(QListView::Static);
    results->setMinimumSize(4 * (thumbnailSide + 16) + 24, 2 * (thumbnailSide + 28) + 8);
    status = new QLabel(this);
    moreButton = new QPushButton(tr("Továbbiak"), this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status, 1);
    bottom->addWidget(moreButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(seedLabel);
    layout->addWidget(results, 1);
    layout->addLayout(bottom);
    connect(results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit resultChosen(results->row(item)); });
    connect(moreButton, &QPushButton::clicked, this, &FoundAttractorsWindow::moreWanted);
}

void FoundAttractorsWindow::startSearch(std::uint64_t seed) {
    results->clear();
    seedLabel->setText(tr("Mag: %1 (gyrelune-cli search --seed %1)").arg(seed));
    setSearching(true);
}

void FoundAttractorsWindow::addResult(const QImage& thumbnail, double exponent) {
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)),
                                     QStringLiteral("λ = %1").arg(exponent, 0, 'f', 3));
    item->setTextAlignment(Qt::AlignHCenter);
    results->addItem(item);
}

void FoundAttractorsWindow::showStatus(const QString& text) {
    status->setText(text);
}

void FoundAttractorsWindow::setSearching(bool searching) {
    moreButton->setEnabled(!searching);
}

int FoundAttractorsWindow::resultCount() const {
    return results->count();
}

void FoundAttractorsWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

} // namespace gyrelune

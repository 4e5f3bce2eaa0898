#include "windows/help_window.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>

#include "windows/controller.h"

namespace zx {

namespace {

const QString kHelpFolder = QStringLiteral(":/help/");
const QString kFallbackPage = QStringLiteral("index.html");

// The pages of the player's language sit in a folder named by it
// (":/help/de/"); a page not translated yet is the English one.
QString languageFolder() {
    const QString language = QLocale().bcp47Name().section(QLatin1Char('-'), 0, 0);
    const QString folder = kHelpFolder + language + QLatin1Char('/');
    return language != QLatin1String("en") && QFile::exists(folder + QStringLiteral("rules.html")) ? folder
                                                                                                  : kHelpFolder;
}

QString pagePath(const QString& folder, const QString& file) {
    return QFile::exists(folder + file) ? folder + file : kHelpFolder + file;
}

// Links between pages stay plain names: one missing in the player's language
// comes from the English pages.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qrc") && !QFile::exists(QLatin1Char(':') + name.path())) {
            QUrl english = name;
            english.setPath(QStringLiteral("/help/") + name.fileName());
            return QTextBrowser::loadResource(type, english);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

}  // namespace

HelpWindow::HelpWindow(Controller& c, QWidget* parent) : FormWindow(c, parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Zentrix Help"));
    setModal(false);
    setSizeGripEnabled(true);

    auto* contentsBox = new QWidget(this);
    auto* contentsLayout = new QVBoxLayout(contentsBox);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    auto* lblContents = new QLabel(tr("&Contents"), contentsBox);
    lblContents->setObjectName(QStringLiteral("lblContents"));
    lstContents_ = new QListWidget(contentsBox);
    lstContents_->setObjectName(QStringLiteral("lstContents"));
    lstContents_->setAccessibleName(tr("Contents"));
    lblContents->setBuddy(lstContents_);
    contentsLayout->addWidget(lblContents);
    contentsLayout->addWidget(lstContents_, 1);

    txtHelp_ = new HelpBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setAccessibleName(tr("Help page"));
    txtHelp_->setOpenExternalLinks(true);
    txtHelp_->setSearchPaths({languageFolder(), kHelpFolder});

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splHelp"));
    splitter->addWidget(contentsBox);
    splitter->addWidget(txtHelp_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({200, 560});

    cmdBack_ = new QPushButton(tr("&Back"), this);
    cmdBack_->setObjectName(QStringLiteral("cmdBack"));
    cmdBack_->setToolTip(tr("Go back to the page seen before"));
    cmdBack_->setEnabled(false);
    cmdBack_->setAutoDefault(false);
    cmdForward_ = new QPushButton(tr("&Forward"), this);
    cmdForward_->setObjectName(QStringLiteral("cmdForward"));
    cmdForward_->setToolTip(tr("Go forward to the next page seen"));
    cmdForward_->setEnabled(false);
    cmdForward_->setAutoDefault(false);
    auto* cmdClose = new QPushButton(tr("Cl&ose"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setToolTip(tr("Close the help"));
    cmdClose->setAutoDefault(false);
    auto* f1 = helpLabel();

    connect(cmdBack_, &QPushButton::clicked, txtHelp_, &QTextBrowser::backward);
    connect(cmdForward_, &QPushButton::clicked, txtHelp_, &QTextBrowser::forward);
    connect(cmdClose, &QPushButton::clicked, this, &HelpWindow::reject);
    connect(txtHelp_, &QTextBrowser::backwardAvailable, cmdBack_, &QPushButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::forwardAvailable, cmdForward_, &QPushButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
    connect(lstContents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < pages_.size()) showPage(pages_.at(row));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack_);
    buttons->addWidget(cmdForward_);
    buttons->addSpacing(12);
    buttons->addWidget(f1);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* root = new QVBoxLayout(this);
    root->addWidget(splitter, 1);
    root->addLayout(buttons);
    resize(780, 560);

    loadContents();
    showTopic({});
}

void HelpWindow::loadContents() {
    QFile file(pagePath(languageFolder(), QStringLiteral("contents.txt")));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            QString line = in.readLine().trimmed();
            int bar = line.indexOf(QLatin1Char('|'));
            if (bar <= 0) continue;
            QString page = line.left(bar).trimmed();
            QString title = line.mid(bar + 1).trimmed();
            if (page.isEmpty()) continue;
            pages_ << page;
            titles_ << (title.isEmpty() ? page : title);
        }
    }
    if (pages_.isEmpty()) {
        pages_ << kFallbackPage;
        titles_ << tr("Zentrix Help");
    }
    const QSignalBlocker block(lstContents_);
    lstContents_->addItems(titles_);
}

void HelpWindow::showTopic(const QString& topic) {
    QString page = topic.trimmed();
    if (!page.isEmpty() && !page.endsWith(QStringLiteral(".html"))) page += QStringLiteral(".html");
    // Only the game's own pages: a topic is a page name, never a path.
    if (page.isEmpty() || page.contains(QLatin1Char('/')) || page.contains(QLatin1Char('\\')) ||
        !QFile::exists(kHelpFolder + page))
        page = pages_.first();
    showPage(page);
}

void HelpWindow::showPage(const QString& file) {
    QUrl url(QStringLiteral("qrc") + pagePath(languageFolder(), file));
    if (txtHelp_->source() == url) return;
    txtHelp_->setSource(url);
}

QString HelpWindow::currentPage() const { return txtHelp_->source().fileName(); }

void HelpWindow::pageShown(const QUrl& url) {
    int row = pages_.indexOf(url.fileName());
    const QSignalBlocker block(lstContents_);
    if (row >= 0) lstContents_->setCurrentRow(row);
    else lstContents_->setCurrentRow(-1);
}

void HelpWindow::setVisible(bool visible) {
    // While a modal dialog runs, help asked for from it must be usable too,
    // so the help then opens as a modal window of its own.
    if (visible) {
        QWidget* modal = QApplication::activeModalWidget();
        Qt::WindowModality wanted = (modal && modal != this) ? Qt::ApplicationModal : Qt::NonModal;
        if (windowModality() != wanted) {
            if (isVisible()) FormWindow::setVisible(false);
            setWindowModality(wanted);
        }
    }
    FormWindow::setVisible(visible);
}

}  // namespace zx

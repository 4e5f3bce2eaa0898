#pragma once
// "Zentrix Help": the table of contents beside the page it opens. Pages
// link to each other; Back and Forward walk the pages seen.

#include <QStringList>

#include "windows/form_window.h"

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace zx {

class HelpWindow : public FormWindow {
    Q_OBJECT
public:
    explicit HelpWindow(Controller& controller, QWidget* parent = nullptr);
    void render() override {}

    // Shows the page of a topic ("sell" is sell.html); the first page of
    // the contents for "" or a topic that has no page.
    void showTopic(const QString& topic);
    // The file of the page shown ("sell.html").
    QString currentPage() const;
    // Files and titles of the contents, in their order.
    const QStringList& pages() const { return pages_; }
    const QStringList& titles() const { return titles_; }

    void setVisible(bool visible) override;

private:
    void loadContents();
    void showPage(const QString& file);
    void pageShown(const QUrl& url);

    QListWidget* lstContents_ = nullptr;
    QTextBrowser* txtHelp_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdForward_ = nullptr;
    QStringList pages_;
    QStringList titles_;
};

}  // namespace zx

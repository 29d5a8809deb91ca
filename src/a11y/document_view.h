// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rich text to read (the help): a text browser with a caret, so that a screen reader reads
// it line by line as the arrows move through it, its tables read as tables, and the link
// under the caret named aloud ("Lien : Sommaire"). Links within the text move through it;
// a link of the program ("titrage:raccourcis") opens the keyboard shortcuts window; any other
// link opens outside the program.

#include <QTextBrowser>

namespace a11y {

class DocumentView : public QTextBrowser {
    Q_OBJECT
public:
    explicit DocumentView(QWidget* parent = nullptr);

    // The link whose text holds the position, as its target and its text; empty when none.
    struct Link {
        QString href;
        QString text;
    };
    Link linkAt(int position) const;

    // Follows a link as a click on it does.
    void follow(const QUrl& url);

protected:
    // Tab moves through the links without telling it: the link reached is said here.
    bool focusNextPrevChild(bool next) override;

private:
    void tellLink();
    QString toldLink_; // the link last named, so that moving within it is not said again
};

} // namespace a11y

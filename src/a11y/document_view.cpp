// SPDX-License-Identifier: GPL-3.0-or-later
#include "a11y/document_view.h"

#include "a11y/shortcuts.h"
#include "a11y/tell.h"
#include "document_accessible.h"

#include <QDesktopServices>
#include <QTextBlock>

namespace a11y {

DocumentView::DocumentView(QWidget* parent) : QTextBrowser(parent) {
    installDocumentAccessibility();
    // A caret that the arrows move, line by line: what a screen reader follows.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &DocumentView::follow);
    // The arrows move the caret into a link.
    connect(this, &QTextEdit::cursorPositionChanged, this, &DocumentView::tellLink);
}

bool DocumentView::focusNextPrevChild(bool next) {
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    if (hasFocus()) tellLink();
    return moved;
}

void DocumentView::follow(const QUrl& url) {
    if (url.scheme() == QLatin1String("titrage")) {
        if (url.path() == QLatin1String("raccourcis")) showShortcuts(this);
        return;
    }
    const QUrl target = source().resolved(url);
    if (target.isLocalFile() || target.scheme() == QLatin1String("qrc") ||
        (url.isRelative() && url.path().isEmpty())) {
        setSource(target);
        return;
    }
    QDesktopServices::openUrl(url);
}

DocumentView::Link DocumentView::linkAt(int position) const {
    const QTextBlock block = document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = fragment.position();
        if (position < start || position >= start + fragment.length()) continue;
        const QTextCharFormat format = fragment.charFormat();
        if (!format.isAnchor() || format.anchorHref().isEmpty()) return {};
        // The link's text: the fragments of the block around it that lead to the same place.
        QString text;
        for (auto part = block.begin(); !part.atEnd(); ++part)
            if (part.fragment().charFormat().anchorHref() == format.anchorHref())
                text += part.fragment().text();
        return {format.anchorHref(), text.simplified()};
    }
    return {};
}

void DocumentView::tellLink() {
    const QTextCursor cursor = textCursor();
    // A link reached with Tab is selected whole; the caret stands after it.
    const Link link = linkAt(cursor.hasSelection() ? cursor.selectionStart() : cursor.position());
    if (link.href == toldLink_) return;
    toldLink_ = link.href;
    if (!link.href.isEmpty()) tell(this, QStringLiteral("Lien\u00a0: ") + link.text);
}

} // namespace a11y

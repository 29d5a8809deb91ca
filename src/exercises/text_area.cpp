// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/text_area.h"

#include "rtf/rtf.h"

#include <QTextDocument>
#include <QTextEdit>

namespace exercises {

bool loadRtfIntoArea(const QString& path, QTextEdit& area) {
    QTextDocument* const shown = area.document();
    auto* doc = new QTextDocument(&area);
    doc->setDefaultFont(shown->defaultFont());
    doc->setDefaultTextOption(shown->defaultTextOption());
    doc->setDefaultStyleSheet(shown->defaultStyleSheet());
    doc->setDocumentMargin(shown->documentMargin());
    doc->setIndentWidth(shown->indentWidth());
    doc->setUseDesignMetrics(shown->useDesignMetrics());
    doc->setDefaultCursorMoveStyle(shown->defaultCursorMoveStyle());
    doc->setUndoRedoEnabled(shown->isUndoRedoEnabled());
    if (!rtf::loadRtfFile(path, *doc)) {
        delete doc;
        return false;
    }
    // The area deletes the document it made itself; one handed to it earlier is ours.
    const bool handedBefore = shown->parent() == &area;
    area.setDocument(doc);
    if (handedBefore) delete shown;
    return true;
}

} // namespace exercises

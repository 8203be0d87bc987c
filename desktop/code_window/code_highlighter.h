// The form's code coloured by kind, a line at a time, as the core places the
// spans (program::highlightLine) and colours them (program::code_style).
#pragma once

#include <QSyntaxHighlighter>

namespace lodarix {

class CodeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit CodeHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace lodarix

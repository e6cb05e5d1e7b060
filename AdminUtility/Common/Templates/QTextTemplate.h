#pragma once

#include <QString>

#include <map>

// Fills a text with named values: every "${key}" becomes the value stored under
// that key. There are no loops or conditions; a repeated part is rendered by its
// own template object and stored, already rendered, as a value of the outer one.
class QTextTemplate
{
public:
    // With clearOnRender the values are dropped after every render, so one object
    // can render row after row.
    explicit QTextTemplate(bool clearOnRender);
    virtual ~QTextTemplate();

    // Reads the whole file (a resource path works); false keeps the old text.
    bool load(const QString& path);
    // escape: the value is outside text and goes through escaped() first.
    void setValue(const QString& key, const QString& value, bool escape);
    QString render();

    void setTemplateText(const QString& text) { m_templateText = text; }
    const std::map<QString, QString>& values() const { return m_values; }

    // Outside text made safe for HTML: markup characters and quotes become
    // entities, a dollar sign too (so the text can never form a placeholder),
    // and control characters, which HTML does not allow, become visible
    // stand-ins instead of vanishing or breaking the page.
    static QString escaped(const QString& text);

private:
    bool m_clearOnRender;
    std::map<QString, QString> m_values;
    QString m_templateText;
};

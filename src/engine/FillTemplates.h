#pragma once

#include <QString>

namespace fahuo {

// The eight values a delivery puts into a product's templates.
struct TemplateValues {
    QString bianhao;  // order number
    QString buyWang;  // buyer nick
    QString canpin;   // item title
    QString kami;     // card keys and the like
    QString Q;        // an extra value: count keys
    QString xiazai;   // download address
    QString fujian;   // attachment file name
    QString myWang;   // seller nick
};

struct FilledTemplates {
    QString chat;
    QString subject;
    QString body;
};

// Replaces "{niu_…}" in the chat text, "{title_…}" in the subject and "{email_…}" in the body,
// variable after variable in a fixed order, every non-overlapping occurrence, case-sensitive.
// A value holding a placeholder of a later variable has it replaced too.
FilledTemplates FillTemplates(const TemplateValues& values, const QString& chat,
                              const QString& subject, const QString& body);

// One template with one prefix ("niu_", "title_" or "email_").
QString FillTemplate(const TemplateValues& values, const QString& prefix, const QString& text);

}  // namespace fahuo

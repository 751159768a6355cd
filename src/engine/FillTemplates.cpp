#include "engine/FillTemplates.h"

#include <utility>

namespace fahuo {

QString FillTemplate(const TemplateValues& v, const QString& prefix, const QString& text) {
    const std::pair<const char*, const QString*> order[] = {
        {"bianhao", &v.bianhao}, {"canpin", &v.canpin}, {"myWang", &v.myWang},
        {"buyWang", &v.buyWang}, {"kami", &v.kami},     {"Q", &v.Q},
        {"xiazai", &v.xiazai},   {"fujian", &v.fujian},
    };
    QString result = text;
    for (const auto& [name, value] : order) {
        const QString placeholder =
            QLatin1Char('{') + prefix + QLatin1String(name) + QLatin1Char('}');
        result.replace(placeholder, *value, Qt::CaseSensitive);
    }
    return result;
}

FilledTemplates FillTemplates(const TemplateValues& values, const QString& chat,
                              const QString& subject, const QString& body) {
    return {FillTemplate(values, QStringLiteral("niu_"), chat),
            FillTemplate(values, QStringLiteral("title_"), subject),
            FillTemplate(values, QStringLiteral("email_"), body)};
}

}  // namespace fahuo

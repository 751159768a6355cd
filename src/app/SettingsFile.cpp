#include "app/SettingsFile.h"

#include "app/ProfileFile.h"

namespace fahuo {

const QStringList& SettingsKeys() {
    static const QStringList keys = {
        QStringLiteral("编辑框4"),
        QStringLiteral("编辑框14"),
        QStringLiteral("编辑框15"),
        QStringLiteral("编辑框16"),
        QStringLiteral("编辑框13"),
        QStringLiteral("编辑框12"),
        QStringLiteral("编辑框11"),
        QStringLiteral("编辑框10"),
        QStringLiteral("编辑框9"),
        QStringLiteral("编辑框8"),
        QStringLiteral("编辑框7"),
        QStringLiteral("编辑框_直接计数卡密"),
        QStringLiteral("编辑框_直接计数买家"),
        QStringLiteral("编辑框17"),
        QStringLiteral("编辑框18"),
        QStringLiteral("编辑框19"),
        QStringLiteral("编辑框20"),
        QStringLiteral("编辑框21"),
        QStringLiteral("编辑框22"),
        QStringLiteral("编辑框_卡密卡期"),
        QStringLiteral("编辑框_卡密卡密"),
        QStringLiteral("编辑框_卡密买家"),
        QStringLiteral("编辑框_发件箱端口"),
        QStringLiteral("编辑框_发件箱邮箱服务器"),
        QStringLiteral("编辑框_发件箱密码"),
        QStringLiteral("编辑框_发件箱发件箱"),
        QStringLiteral("编辑框_发件箱延时"),
        QStringLiteral("编辑框_产品赠送数"),
        QStringLiteral("编辑框_产品赠送时"),
        QStringLiteral("编辑框_产品赠送天"),
        QStringLiteral("编辑框_产品最低价"),
        QStringLiteral("编辑框_产品价格二"),
        QStringLiteral("编辑框_产品价格三"),
        QStringLiteral("编辑框_产品价格五"),
        QStringLiteral("编辑框_产品价格四"),
        QStringLiteral("编辑框_产品价格四天"),
        QStringLiteral("编辑框_产品价格六天"),
        QStringLiteral("编辑框_产品价格七天"),
        QStringLiteral("编辑框_产品价格七"),
        QStringLiteral("编辑框_产品价格六"),
        QStringLiteral("编辑框_产品价格五天"),
        QStringLiteral("编辑框_产品价格三天"),
        QStringLiteral("编辑框_产品价格二天"),
        QStringLiteral("编辑框_产品最低价天"),
        QStringLiteral("编辑框_产品最低价数量"),
        QStringLiteral("编辑框_产品邮件内容"),
        QStringLiteral("编辑框_产品邮件附件"),
        QStringLiteral("编辑框_产品邮件标题"),
        QStringLiteral("编辑框_产品收件箱"),
        QStringLiteral("编辑框_产品发件箱"),
        QStringLiteral("编辑框_产品下载"),
        QStringLiteral("编辑框6"),
        QStringLiteral("编辑框5"),
        QStringLiteral("编辑框_企业邮箱后缀"),
        QStringLiteral("编辑框3"),
        QStringLiteral("编辑框2"),
        QStringLiteral("编辑框1"),
        QStringLiteral("编辑框_产品新"),
        QStringLiteral("编辑框_产品旧"),
        QStringLiteral("编辑框_量大生附件"),
        QStringLiteral("编辑框_卖家旺旺"),
        QStringLiteral("编辑框_旺旺内容"),
        QStringLiteral("编辑框_接受"),
        QStringLiteral("编辑框_千牛延时"),
        QStringLiteral("编辑框_wwcmd"),
        QStringLiteral("编辑框_数据库订单表"),
        QStringLiteral("编辑框_计时网验数据表"),
        QStringLiteral("编辑框_计时网验数据库"),
        QStringLiteral("编辑框_数据库用户名1"),
        QStringLiteral("编辑框_数据库密码1"),
        QStringLiteral("编辑框_数据库名1"),
        QStringLiteral("编辑框_数据库端口1"),
        QStringLiteral("编辑框_发后延迟"),
    };
    return keys;
}

bool LoadSettings(Controls& controls, const QString& path) {
    ProfileFile file;
    if (!file.Load(path))
        return false;
    for (const QString& key : SettingsKeys()) {
        QString value = file.Value(kSettingsSection, key);
        if (value.isEmpty())
            continue;
        value.replace(kLineBreakMark, QStringLiteral("\r\n"));
        controls.SetText(key, value);
    }
    return true;
}

bool SaveSettings(const Controls& controls, const QString& path) {
    ProfileFile file;
    file.Load(path);
    for (const QString& key : SettingsKeys()) {
        QString value = controls.Text(key);
        value.replace(QStringLiteral("\r\n"), kLineBreakMark);
        value.replace(QLatin1Char('\r'), kLineBreakMark);
        value.replace(QLatin1Char('\n'), kLineBreakMark);
        file.SetValue(kSettingsSection, key, value);
    }
    return file.Save(path);
}

}  // namespace fahuo

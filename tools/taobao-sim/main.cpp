// taobao-sim: a local stand-in for the Taobao pages Fahuo reads and posts to, for tests and for
// trying the program with a demo shop.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <cstdio>

#include "SimServer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Local stand-in for the Taobao seller pages"));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port (0: any free)"),
                                  QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption shop(QStringLiteral("shop"),
                                  QStringLiteral("JSON file with \"orders\" and \"items\""),
                                  QStringLiteral("file"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Login name"),
                                  QStringLiteral("name"), QStringLiteral("demo"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Login password"),
                                      QStringLiteral("password"), QStringLiteral("demo"));
    const QCommandLineOption itemHost(
        QStringLiteral("item-host"),
        QStringLiteral("Host written in item links (default: the sim's own address)"),
        QStringLiteral("host"));
    parser.addOptions({port, shop, user, password, itemHost});
    parser.process(app);

    auto fail = [](const QString& message) {
        std::fprintf(stderr, "taobao-sim: %s\n", message.toUtf8().constData());
        return 2;
    };
    bool ok = false;
    const uint portNumber = parser.value(port).toUInt(&ok);
    if (!ok || portNumber > 65535)
        return fail(QStringLiteral("--port must be a number from 0 to 65535"));

    SimOptions options;
    options.user = parser.value(user);
    options.password = parser.value(password);
    options.itemHost = parser.value(itemHost);
    if (parser.isSet(shop)) {
        QFile file(parser.value(shop));
        if (!file.open(QIODevice::ReadOnly))
            return fail(
                QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
        QJsonParseError e;
        const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &e);
        if (!doc.isObject())
            return fail(QStringLiteral("%1 is not a JSON object: %2")
                            .arg(file.fileName(), e.errorString()));
        Shop check;
        QString error;
        if (!check.Load(doc.object(), &error))
            return fail(file.fileName() + QStringLiteral(": ") + error);
        options.shop = doc.object();
    }

    SimServer server(options);
    QString error;
    const quint16 listening = server.Listen(static_cast<quint16>(portNumber), &error);
    if (listening == 0)
        return fail(error);
    std::printf("listening on http://127.0.0.1:%u\n", static_cast<unsigned>(listening));
    std::fflush(stdout);
    return app.exec();
}

#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

class TempDir {
public:
    TempDir() : dir_(QDir::tempPath() + "/venlorin-test-XXXXXX") {}
    std::string path() const { return dir_.path().toStdString(); }
    // Path of `relative` inside the folder (UTF-8, "/" separators).
    std::string file(const std::string& relative) const { return path() + "/" + relative; }
    // Writes raw bytes, creating the folders on the way.
    void write(const std::string& relative, const std::string& bytes) const {
        const QString full = QString::fromStdString(file(relative));
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string read(const std::string& relative) const {
        QFile f(QString::fromStdString(file(relative)));
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = f.readAll();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

private:
    QTemporaryDir dir_;
};

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// 机器 in GB2312 and 機器 in Big5, each as a line of a file.
inline const QByteArray GbLine = "\xBB\xFA\xC6\xF7\r\n";
inline const QByteArray Big5Line = "\xBE\xF7\xBE\xB9\r\n";

inline void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
}

inline QByteArray ReadFile(const QString& name) {
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

#pragma once

#include "profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points the Windows directory at a fresh temporary folder for each test.
class ProfileFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        sk2::win::SetWindowsDirectory(m_folder.path());
    }
    void TearDown() override { sk2::win::SetWindowsDirectory(QString()); }

    QString PathOf(const QString &name) const { return QDir(m_folder.path()).filePath(name); }

    void WriteRaw(const QString &name, const QByteArray &text) const
    {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray ReadRaw(const QString &name) const
    {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
};

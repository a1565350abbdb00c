// Where the engine and the profile builder are looked for: beside the program, then the
// absolute folders of the search path; never the current directory, which is the hop's folder
// and may come from anyone.

#include "engine_launch.h"
#include "program_search.h"

#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "temp_dir.h"

namespace vakrel {
namespace {

TEST(FindProgram, BesideTheProgramThenTheSearchPathNeverTheCurrentDirectory) {
    for (const char* program : {kEngineProgram, "vakrel-profile"}) {
        SCOPED_TRACE(program);
        test::TempDir own, empty, onPath, current;
        for (const test::TempDir* dir : {&own, &onPath, &current}) {
            dir->write(program, "#!/bin/sh\n");
            std::filesystem::permissions(dir->file(program), std::filesystem::perms::owner_all);
        }
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(current.path()));
        auto q = [](const std::string& text) { return QString::fromStdString(text); };
        const QString relative =
            QStringLiteral("..") + '/' + q(std::filesystem::path(current.path()).filename().string());
        struct Row {
            QString ownFolder, searchPath, found;
        };
        const Row rows[] = {
            {q(own.path()), q(onPath.path()), q(own.file(program))},
            {q(empty.path()), q(empty.path() + ":" + onPath.path()), q(onPath.file(program))},
            {q(empty.path()), QStringLiteral(".::") + relative + ":" + q(onPath.path()), q(onPath.file(program))},
            {q(empty.path()), QStringLiteral(".::") + relative, QString()},
            {QString(), QString(), QString()},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.searchPath.toStdString());
            EXPECT_EQ(FindProgramIn(QString::fromLatin1(program), row.ownFolder, row.searchPath), row.found);
        }
        QDir::setCurrent(previous);
    }
}

}  // namespace
}  // namespace vakrel

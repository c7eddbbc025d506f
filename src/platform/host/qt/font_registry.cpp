#include "platform/host/qt/font_registry.h"

#include <QFont>
#include <QFontDatabase>
#include <array>
#include <string>

namespace win::host::desktop {

namespace {

constexpr const char* kChineseFamily = "WenQuanYi Micro Hei";

struct FaceSubstitute {
    std::string_view face;
    const char* family;
};

// Compared without regard to case, as the desktop's font mapper does.
constexpr std::array kSubstitutes{
    FaceSubstitute{"", "Tahoma"},
    FaceSubstitute{"MS Shell Dlg", "Tahoma"},
    FaceSubstitute{"MS Shell Dlg 2", "Tahoma"},
    FaceSubstitute{"MS Sans Serif", "Tahoma"},
    FaceSubstitute{"System", "Tahoma"},
    FaceSubstitute{"Arial", "Liberation Sans"},
    FaceSubstitute{"Helvetica", "Liberation Sans"},
    FaceSubstitute{"Times New Roman", "Liberation Serif"},
    FaceSubstitute{"Courier New", "Liberation Mono"},
    FaceSubstitute{"SimSun", kChineseFamily},
    FaceSubstitute{"NSimSun", kChineseFamily},
    FaceSubstitute{"SimHei", kChineseFamily},
    FaceSubstitute{"Microsoft YaHei", kChineseFamily},
    FaceSubstitute{"\xE5\xAE\x8B\xE4\xBD\x93", kChineseFamily},              // 宋体
    FaceSubstitute{"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", kChineseFamily},  // 新宋体
    FaceSubstitute{"\xE9\xBB\x91\xE4\xBD\x93", kChineseFamily},              // 黑体
    FaceSubstitute{"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91", kChineseFamily},  // 微软雅黑
};

constexpr std::array kLatinFamilies{"Tahoma", "Liberation Sans", "Liberation Serif",
                                    "Liberation Mono", "Marlett"};

constexpr std::array kWineFontFiles{"tahoma.ttf", "tahomabd.ttf", "marlett.ttf"};

QStringList LoadOnce() {
    QStringList families;
    for (const char* file : kWineFontFiles) {
        const int id = QFontDatabase::addApplicationFont(QString(kWineFontFolder) + '/' + file);
        if (id >= 0) {
            families.append(QFontDatabase::applicationFontFamilies(id));
        }
    }
    families.removeDuplicates();
    // Chinese characters in a Latin face come from one known face, not whatever is installed.
    for (const char* family : kLatinFamilies) {
        QFont::insertSubstitution(family, kChineseFamily);
    }
    return families;
}

}  // namespace

QStringList LoadBundledFonts() {
    static const QStringList loaded = LoadOnce();
    return loaded;
}

QString ResolveFamily(std::string_view faceName, bool symbolCharSet) {
    const QString face =
        QString::fromUtf8(faceName.data(), static_cast<qsizetype>(faceName.size())).trimmed();
    if (symbolCharSet || face.compare("Marlett", Qt::CaseInsensitive) == 0) {
        return "Marlett";
    }
    for (const FaceSubstitute& substitute : kSubstitutes) {
        const QString candidate = QString::fromUtf8(substitute.face.data(),
                                                    static_cast<qsizetype>(substitute.face.size()));
        if (face.compare(candidate, Qt::CaseInsensitive) == 0) {
            return substitute.family;
        }
    }
    return face;
}

}  // namespace win::host::desktop

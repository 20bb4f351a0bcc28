// SPDX-License-Identifier: MIT
#include "character_names.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <iterator>

#include "note_text.h"
#include "notes/plain_forms.h"
#include "number_format.h"

namespace {

struct Names {
    Q_DECLARE_TR_FUNCTIONS(CharacterNames)
};

struct NamedCharacter {
    char32_t character;
    const char* name;
    // Whether the name is followed by the glyph, so that it can be found in the text.
    bool withGlyph;
};

constexpr std::array kNamedCharacters = {
    NamedCharacter{U'\t', QT_TRANSLATE_NOOP("CharacterNames", "tab"), false},
    NamedCharacter{U'\r', QT_TRANSLATE_NOOP("CharacterNames", "carriage return"), false},
    NamedCharacter{U'\n', QT_TRANSLATE_NOOP("CharacterNames", "line feed"), false},
    NamedCharacter{0x00A0, QT_TRANSLATE_NOOP("CharacterNames", "no-break space"), false},
    NamedCharacter{0x202F, QT_TRANSLATE_NOOP("CharacterNames", "narrow no-break space"), false},
    NamedCharacter{0x2009, QT_TRANSLATE_NOOP("CharacterNames", "thin space"), false},
    NamedCharacter{0x200B, QT_TRANSLATE_NOOP("CharacterNames", "zero-width space"), false},
    NamedCharacter{0xFEFF, QT_TRANSLATE_NOOP("CharacterNames", "zero-width no-break space"), false},
    NamedCharacter{0x2028, QT_TRANSLATE_NOOP("CharacterNames", "line separator"), false},
    NamedCharacter{0x2018, QT_TRANSLATE_NOOP("CharacterNames", "left single quote"), true},
    NamedCharacter{0x2019, QT_TRANSLATE_NOOP("CharacterNames", "right single quote"), true},
    NamedCharacter{0x201A, QT_TRANSLATE_NOOP("CharacterNames", "low single quote"), true},
    NamedCharacter{0x201C, QT_TRANSLATE_NOOP("CharacterNames", "left double quote"), true},
    NamedCharacter{0x201D, QT_TRANSLATE_NOOP("CharacterNames", "right double quote"), true},
    NamedCharacter{0x201E, QT_TRANSLATE_NOOP("CharacterNames", "low double quote"), true},
    NamedCharacter{0x2013, QT_TRANSLATE_NOOP("CharacterNames", "en dash"), true},
    NamedCharacter{0x2014, QT_TRANSLATE_NOOP("CharacterNames", "em dash"), true},
    NamedCharacter{0x2212, QT_TRANSLATE_NOOP("CharacterNames", "minus sign"), true},
    NamedCharacter{0x2026, QT_TRANSLATE_NOOP("CharacterNames", "ellipsis"), true},
    NamedCharacter{0xFFFD, QT_TRANSLATE_NOOP("CharacterNames", "replacement mark"), true},
};

// The names of invisible characters as a list names one of them, or more.
struct SpottedName {
    char32_t character;
    const char* one;
    const char* more;
};

constexpr std::array kSpottedNames = {
    SpottedName{U'\t', QT_TRANSLATE_NOOP("CharacterNames", "a tab"),
                QT_TRANSLATE_NOOP("CharacterNames", "tabs")},
    SpottedName{U'\r', QT_TRANSLATE_NOOP("CharacterNames", "a carriage return"),
                QT_TRANSLATE_NOOP("CharacterNames", "carriage returns")},
    SpottedName{U'\n', QT_TRANSLATE_NOOP("CharacterNames", "a line feed"),
                QT_TRANSLATE_NOOP("CharacterNames", "line feeds")},
    SpottedName{0x00A0, QT_TRANSLATE_NOOP("CharacterNames", "a no-break space"),
                QT_TRANSLATE_NOOP("CharacterNames", "no-break spaces")},
    SpottedName{0x202F, QT_TRANSLATE_NOOP("CharacterNames", "a narrow no-break space"),
                QT_TRANSLATE_NOOP("CharacterNames", "narrow no-break spaces")},
    SpottedName{0x2009, QT_TRANSLATE_NOOP("CharacterNames", "a thin space"),
                QT_TRANSLATE_NOOP("CharacterNames", "thin spaces")},
    SpottedName{0x200B, QT_TRANSLATE_NOOP("CharacterNames", "a zero-width space"),
                QT_TRANSLATE_NOOP("CharacterNames", "zero-width spaces")},
    SpottedName{0xFEFF, QT_TRANSLATE_NOOP("CharacterNames", "a zero-width no-break space"),
                QT_TRANSLATE_NOOP("CharacterNames", "zero-width no-break spaces")},
    SpottedName{0x2028, QT_TRANSLATE_NOOP("CharacterNames", "a line separator"),
                QT_TRANSLATE_NOOP("CharacterNames", "line separators")},
};

// Past this many kinds, a list of what travels as codes counts the rest.
constexpr std::size_t kSpottedKinds = 6;

QString glyph(char32_t character) {
    return QString::fromUcs4(&character, 1);
}

QString code(char32_t character) {
    return "U+" + QString("%1").arg(static_cast<uint>(character), 4, 16, QChar('0')).toUpper();
}

QString withCount(const QString& name, std::size_t count) {
    return count == 1 ? name : QString("%1 (%2)").arg(name, groupedNumber(count));
}

QStringList kindNames(const notes::OutsideCharacters& characters) {
    QStringList names;
    for (const notes::OutsideCharacter& kind : characters.kinds) {
        names << withCount(characterName(kind.character), kind.count);
    }
    return names;
}

}  // namespace

QString characterName(char32_t character) {
    for (const NamedCharacter& named : kNamedCharacters) {
        if (named.character == character) {
            const QString name = Names::tr(named.name);
            return named.withGlyph ? name + ' ' + glyph(character) : name;
        }
    }
    if (QChar::isSpace(character)) {
        return Names::tr("space %1").arg(code(character));
    }
    if (!QChar::isPrint(character) || QChar::category(character) == QChar::Other_Format) {
        return code(character);
    }
    return glyph(character);
}

namespace {

// The glyph where it shows and is not taken for another; else as named.
QString shownCharacter(char32_t character) {
    for (const NamedCharacter& named : kNamedCharacters) {
        if (named.character == character) {
            return named.withGlyph ? glyph(character) : Names::tr(named.name);
        }
    }
    return characterName(character);
}

QString spottedCharacter(const notes::CodedCharacter& kind) {
    for (const SpottedName& named : kSpottedNames) {
        if (named.character == kind.character) {
            return Names::tr(kind.count == 1 ? named.one : named.more);
        }
    }
    if (QChar::isSpace(kind.character)) {
        return kind.count == 1 ? Names::tr("a %1").arg(characterName(kind.character))
                               : withCount(characterName(kind.character), kind.count);
    }
    return shownCharacter(kind.character);
}

}  // namespace

QString joinedList(const QStringList& items) {
    if (items.size() < 2) {
        return items.join(QString());
    }
    return Names::tr("%1 and %2").arg(items.first(items.size() - 1).join(", "), items.last());
}

SpottedList compactCodedList(const notes::CodedCharacters& characters) {
    QStringList names;
    std::size_t others = 0;
    bool many = false;
    const auto kinds = static_cast<std::size_t>(
        std::count_if(characters.kinds.begin(), characters.kinds.end(),
                      [](const notes::CodedCharacter& kind) { return kind.character != U'&'; }));
    // "1 other" would take the room of the one it stands for.
    const std::size_t spotted = kinds == kSpottedKinds + 1 ? kinds : kSpottedKinds;
    for (const notes::CodedCharacter& kind : characters.kinds) {
        if (kind.character == U'&') {
            continue;
        }
        if (static_cast<std::size_t>(names.size()) < spotted) {
            names << spottedCharacter(kind);
            // A name stands for one character or for all of its kind; a glyph for its kind.
            many = many ||
                   (kind.count > 1 && spottedCharacter(kind) != shownCharacter(kind.character));
        } else {
            ++others;
        }
    }
    if (others != 0) {
        names << Names::tr("%Ln others", nullptr, static_cast<int>(others));
    }
    return {joinedList(names), many || names.size() > 1};
}

QString plainFormsList(const notes::CodedCharacters& characters) {
    QList<std::pair<QString, QStringList>> forms;
    for (const notes::CodedCharacter& kind : characters.kinds) {
        const auto form = notes::plainForm(kind.character);
        if (!form) {
            continue;
        }
        const QString plain = *form == U" " ? Names::tr("space") : toQString(*form);
        auto found = std::find_if(forms.begin(), forms.end(),
                                  [&plain](const auto& entry) { return entry.first == plain; });
        if (found == forms.end()) {
            forms.append({plain, {}});
            found = std::prev(forms.end());
        }
        found->second << shownCharacter(kind.character);
    }
    QStringList changes;
    for (const auto& [plain, from] : std::as_const(forms)) {
        changes << QString::fromUtf8("%1 \u2192 %2").arg(from.join(' '), plain);
    }
    return changes.join(", ");
}

QString codedCharacterList(const notes::CodedCharacters& characters) {
    QStringList names;
    for (const notes::CodedCharacter& kind : characters.kinds) {
        const QString asCode =
            Names::tr("%1 as %2").arg(characterName(kind.character), toQString(kind.code));
        names << withCount(asCode, kind.count);
    }
    return names.join(", ");
}

QString strayCharacterList(const notes::OutsideCharacters& characters) {
    return kindNames(characters).join(", ");
}

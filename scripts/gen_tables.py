#!/usr/bin/env python3
"""Generates and checks the installed table files in data/Tbl.

    python3 scripts/gen_tables.py            write every table, then validate them
    python3 scripts/gen_tables.py generate   write every table only
    python3 scripts/gen_tables.py validate   check the files on disk (exit 1 on a fault)
    python3 scripts/gen_tables.py check      validate, and fail when the files on disk
                                             differ from what this script would write
    python3 scripts/gen_tables.py validate DIR   check the tables of another folder, for
                                             example a user's table folder

The build never runs this script: the generated files are committed. The tables are
stored as UTF-8 with a byte-order mark and CR LF after every line; the program picks the
encoding from the mark. Every name is kept representable in code page 932 (English names
of the palette databases use "#$XXXX" escapes for anything outside ASCII); only the notes
may hold IPA examples.
"""

import os
import re
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE_DIR = os.path.normpath(os.path.join(HERE, "..", "data", "Tbl"))

BOM = "\ufeff"


# ---------------------------------------------------------------------------------------
# Shared helpers
# ---------------------------------------------------------------------------------------

def code_of(ch):
    return "%04X" % ord(ch)


def zen(text):
    """ASCII letters and digits as full-width forms, as the Japanese names show them."""
    out = []
    for c in text:
        if "A" <= c <= "Z" or "a" <= c <= "z" or "0" <= c <= "9":
            out.append(chr(ord(c) - 0x20 + 0xFF00))
        else:
            out.append(c)
    return "".join(out)


def quote(text):
    return '"' + text.replace('"', '""') + '"'


def group_line(number, name):
    return "Group,%d,%s" % (number, quote(name))


def symbol_line(group, ch, english, japanese, aux, notes):
    return "%d,%s,%s,%s,%s,%s" % (group, quote(code_of(ch)), quote(english),
                                  quote(japanese), quote(str(aux)), quote(notes))


def trigger_field(key):
    return "0022" if key == '"' else key


def cand_line(key, candidates):
    fields = [trigger_field(key)] + [code_of(c) for c in candidates]
    fields += [""] * (10 - len(fields))
    return ",".join(quote(f) for f in fields)


def escape_non_ascii(text):
    return "".join(c if ord(c) < 0x80 else "#$%04X" % ord(c) for c in text)


def write_table(name, lines, directory):
    data = (BOM + "".join(line + "\r\n" for line in lines)).encode("utf-8")
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------------------
# Latin letters: systematic Japanese names
# ---------------------------------------------------------------------------------------

MARK_JA = {
    "ACUTE": "アキュート",
    "GRAVE": "グレーブ",
    "CIRCUMFLEX": "サーカムフレックス",
    "DIAERESIS": "ダイエレシス",
    "TILDE": "チルダ",
    "CEDILLA": "セディーユ",
    "HOOK": "フック",
    "MACRON": "マクロン",
    "BREVE": "ブレーブ",
    "CARON": "キャロン",
    "RING ABOVE": "リング",
    "STROKE": "ストローク",
    "DOT ABOVE": "上点",
}

# Spacing forms of the marks, used as the short corner labels of the palette databases.
MARK_LABEL = {
    "ACUTE": "\u00b4",
    "GRAVE": "`",
    "CIRCUMFLEX": "^",
    "DIAERESIS": "\u00a8",
    "TILDE": "~",
    "CEDILLA": "\u00b8",
}

SPECIAL_LETTER_JA = {
    "\u00df": "ラテン小文字シャープＳ（エスツェット）",
    "\u1e9e": "ラテン大文字シャープＳ（エスツェット）",
    "\u0153": "ラテン小文字合字ＯＥ",
    "\u0152": "ラテン大文字合字ＯＥ",
    "\u00e6": "ラテン小文字合字ＡＥ",
    "\u00c6": "ラテン大文字合字ＡＥ",
    "\u0133": "ラテン小文字合字ＩＪ",
    "\u0132": "ラテン大文字合字ＩＪ",
    "\u0131": "ラテン小文字点なしＩ",
    "\u017f": "ラテン小文字長いＳ",
}


def letter_parts(ch):
    """(capital?, base letter, mark) of a Latin letter with at most one mark."""
    name = unicodedata.name(ch)
    words = name.split()
    assert words[0] == "LATIN", name
    capital = words[1] == "CAPITAL"
    base = words[3]
    mark = " ".join(words[5:]) if len(words) > 5 and words[4] == "WITH" else ""
    return capital, base, mark


def latin_japanese(ch):
    if ch in SPECIAL_LETTER_JA:
        return SPECIAL_LETTER_JA[ch]
    capital, base, mark = letter_parts(ch)
    text = ("ラテン大文字" if capital else "ラテン小文字") + zen(base)
    if mark:
        text += "（" + MARK_JA[mark] + "）"
    return text


# ---------------------------------------------------------------------------------------
# DBVelmor.csv and CandVelmor.csv: accented letters and typographic signs
# ---------------------------------------------------------------------------------------

# Languages, by the one-character names the palette buttons use.
EN, FR, DE, ES, IT, PT, NL = "英", "仏", "独", "西", "伊", "葡", "蘭"

# Where each letter is written (lower case; capitals share the entry).
LETTER_USE = {
    "à": [FR, IT, PT, NL], "è": [FR, IT, NL], "ì": [IT], "ò": [IT], "ù": [FR, IT],
    "á": [ES, PT, NL, IT], "é": [FR, ES, IT, PT, NL, EN], "í": [ES, PT, NL, IT],
    "ó": [ES, PT, IT, NL], "ú": [ES, PT, IT, NL],
    "â": [FR, PT, NL], "ê": [FR, PT, NL], "î": [FR, IT, NL], "ô": [FR, PT, NL], "û": [FR, NL],
    "ä": [DE, NL], "ë": [FR, NL], "ï": [FR, NL, EN], "ö": [DE, NL], "ü": [DE, ES, FR, NL],
    "ÿ": [FR],
    "ç": [FR, PT], "ñ": [ES], "ã": [PT], "õ": [PT],
    "ß": [DE], "œ": [FR], "æ": [FR, EN], "ĳ": [NL],
}

# Letters the seven languages borrow (loanwords, names, dictionary marks): the note says
# where they come from instead of claiming a language.
LOAN_NOTE = {
    "å": "北欧語の名前・外来語（Ångström）",
    "ø": "北欧語の名前・外来語（Søren, smørrebrød）",
    "ā": "辞書の長音符号、ラテン語、ローマ字（Tōkyō）",
    "ē": "辞書の長音符号、ラテン語",
    "ī": "辞書の長音符号、ラテン語",
    "ō": "辞書の長音符号、ラテン語、ローマ字（Tōkyō）",
    "ū": "辞書の長音符号、ラテン語、ローマ字（Kyūshū）",
    "ă": "辞書の短音符号、ルーマニア語の名前",
    "ĕ": "辞書の短音符号、ラテン語の韻律",
    "ĭ": "辞書の短音符号、ラテン語の韻律",
    "ŏ": "辞書の短音符号、ラテン語の韻律",
    "ŭ": "辞書の短音符号、エスペラント",
    "ý": "チェコ語・アイスランド語などの名前",
    "ğ": "トルコ語の名前（Erdoğan）",
    "ş": "トルコ語の名前（Eskişehir）",
    "ı": "トルコ語の名前（Kırıkkale）",
    "İ": "トルコ語の名前（İstanbul）。小文字は i",
    "ć": "ポーランド語・クロアチア語などの名前",
    "ř": "チェコ語の名前（Dvořák）",
    "š": "チェコ語などの名前（Škoda）",
    "ǔ": "中国語のピンイン（第三声）",
    "ſ": "古い印刷物・ドイツ文字（Fraktur）の語中の s",
}

LETTER_NOTE_EXTRA = {
    "ÿ": "地名・人名など（L'Haÿ-les-Roses）",
    "ü": "葡は旧綴り",
    "ẞ": "2017年から正書法で認められた大文字",
    "ß": "注：ギリシア文字 β (03B2) と混同しない",
    "ĳ": "i と j の2文字で書くことも多い",
    "Ĳ": "I と J の2文字で書くことも多い。語頭は IJ と2文字とも大文字",
}

# Triggers of the letter set: one accent per key, small letters on the key itself and the
# capitals on the Shift of the same key; the typographic signs on the Shift of keys that
# prose rarely needs.  Candidate order: most used first.
LETTER_KEYS = [
    # key, group, group name, candidates
    ("@", 0, "グレーブ", "àèùòì"),
    ("`", 0, None, "ÀÈÙÒÌ"),
    ("[", 1, "アキュート", "éáóíúýć\u0301"),
    ("{", 1, None, "ÉÁÓÍÚÝĆ"),
    ("^", 2, "サーカムフレックス・キャロン", "êâôîûšřǔ"),
    ("~", 2, None, "ÊÂÔÎÛŠŘǓ"),
    (":", 3, "ダイエレシス（ウムラウト・トレマ）", "üäöëïÿ"),
    ("*", 3, None, "ÜÄÖËÏŸ"),
    ("]", 4, "セディーユ・チルダ・マクロン", "çñãõāēīōū"),
    ("}", 4, None, "ÇÑÃÕĀĒĪŌŪ"),
    ("\\", 5, "特殊文字・合字", "ßœæĳåøſ"),
    ("|", 5, None, "ẞŒÆĲÅØ"),
    ("<", 6, "引用符（開き）・逆疑問符", "“«„‘¿¡‹‚"),
    (">", 7, "引用符（閉じ）・アポストロフィ", "’”»“›‘"),
    ("_", 8, "ダッシュ・句読点", "–—…‐‑·•‒―"),
    ("#", 9, "序数標識・記号", "ºª°§¶№†‡"),
    ("$", 10, "通貨記号", "€£¢¥₣₤₧ƒ¤"),
    ("%", 11, "その他の記号", "‰©®™′″"),
    ("&", 12, "空白・ハイフン類", "\u00a0\u202f\u2009\u00ad"),
    # The breve letters do not fit beside another mark: the one group with keys of its
    # own, on the Shift of two keys that prose does not use.
    ("=", 13, "ブレーブ・トルコ語の文字", "ăĕĭŏŭğşı"),
    ("+", 13, None, "ĂĔĬŎŬĞŞİ"),
]

SIGN_JA = {
    "“": ("左ダブル引用符", "英・葡・蘭の開き、独の閉じ"),
    "”": ("右ダブル引用符", "英・葡・蘭の閉じ"),
    "‘": ("左シングル引用符", "英の開き（引用中の引用）、独の閉じ"),
    "’": ("右シングル引用符（アポストロフィ）", "英・仏・伊・蘭のアポストロフィ（l’homme）。注：直線の ' (0027) と区別"),
    "„": ("下付きダブル引用符", "独・蘭の開き（„…“）"),
    "‚": ("下付きシングル引用符", "独の引用中の引用（‚…‘）。注：コンマ , と混同しない"),
    "«": ("左ギユメ", "仏・西・伊・葡の開き、独の閉じ（»…«）"),
    "»": ("右ギユメ", "仏・西・伊・葡の閉じ、独の開き"),
    "‹": ("左シングルギユメ", "仏・独の引用中の引用。注：小なり記号 < と混同しない"),
    "›": ("右シングルギユメ", "注：大なり記号 > と混同しない"),
    "¿": ("逆疑問符", "西：疑問文の初め（¿…?）"),
    "¡": ("逆感嘆符", "西：感嘆文の初め（¡…!）"),
    "–": ("エンダッシュ", "範囲（1914–1918）、独・仏の挿入句"),
    "—": ("エムダッシュ", "英の挿入句、西・仏・葡の会話の始まり"),
    "…": ("三点リーダー（省略符）", "1文字の省略記号"),
    "‐": ("ハイフン", "注：ハイフンマイナス - (002D) と別の文字"),
    "‑": ("改行しないハイフン", "注：見た目はハイフンと同じ"),
    "·": ("中点", "カタルーニャ語の l·l、区切り"),
    "•": ("ビュレット", "箇条書きの行頭記号"),
    "‒": ("数字ダッシュ", "電話番号など数字の区切り"),
    "―": ("水平線（引用ダッシュ）", "引用の前に置くダッシュ"),
    "º": ("男性序数標識", "西・葡・伊：1º（primero）、nº"),
    "ª": ("女性序数標識", "西・葡・伊：1ª（primera）"),
    "°": ("度記号", "温度・角度。注：男性序数標識 º と混同しない"),
    "§": ("節記号", "条文の節"),
    "¶": ("段落記号", "段落"),
    "№": ("番号記号（ヌメロ）", "露・仏などの番号"),
    "†": ("短剣符", "没年の印、参照の印"),
    "‡": ("二重短剣符", "参照の印（† の次）"),
    "€": ("ユーロ記号", "ユーロ（仏・独・西・伊・葡・蘭）"),
    "£": ("ポンド記号", "英ポンド"),
    "¢": ("セント記号", "セント"),
    "¥": ("円記号", "円・元"),
    "₣": ("フランス・フラン記号", "ユーロ以前のフラン"),
    "₤": ("リラ記号", "ユーロ以前のリラ。注：ポンド記号 £ と混同しない"),
    "₧": ("ペセタ記号", "ユーロ以前のペセタ"),
    "ƒ": ("フローリン記号（フック付きＦ）", "蘭：ユーロ以前のギルダー（ƒ 10,-）"),
    "¤": ("一般通貨記号", "通貨を特定しない記号"),
    "‰": ("パーミル記号", "千分率"),
    "©": ("著作権記号", "コピーライト"),
    "®": ("登録商標記号", "登録商標"),
    "™": ("商標記号", "商標"),
    "′": ("プライム", "分・フィート（5′）。注：アポストロフィ ’ と混同しない"),
    "″": ("ダブルプライム", "秒・インチ（5″）。注：右ダブル引用符 ” と混同しない"),
    "\u0301": ("結合用アキュート", "前の文字の上に付く。蘭：強調の íj́ の j に付ける"),
    "\u00a0": ("ノーブレークスペース", "注：見た目は空白。仏で ; : ! ? » の前、数字の区切りに使う"),
    "\u202f": ("狭いノーブレークスペース", "注：見た目は空白。仏の « » ; : ! ? の内側に使う細い空白"),
    "\u2009": ("シンスペース（細い空白）", "注：見た目は空白。改行してよい細い空白"),
    "\u00ad": ("ソフトハイフン", "注：普段は見えない。行末で切れるときだけハイフンになる"),
}


def build_letter_tables():
    groups = []
    rows = []
    cand = []
    seen = set()
    for key, group, group_name, chars in LETTER_KEYS:
        if group_name is not None:
            groups.append(group_line(group, group_name))
        cand.append(cand_line(key, chars))
        for ch in chars:
            if ch in seen:
                continue
            seen.add(ch)
            english = unicodedata.name(ch)
            if ch in SIGN_JA:
                japanese, notes = SIGN_JA[ch]
            else:
                japanese = latin_japanese(ch)
                use = LETTER_USE.get(ch.lower(), LETTER_USE.get(ch, []))
                if ch == "ẞ":
                    use = LETTER_USE["ß"]
                notes = ("使用：" + "・".join(use)) if use else LOAN_NOTE.get(
                    ch, LOAN_NOTE.get(ch.lower(), ""))
                extra = LETTER_NOTE_EXTRA.get(ch)
                if extra:
                    notes = (notes + "。" if notes else "") + extra
            aux = 1 if unicodedata.combining(ch) else 0
            rows.append(symbol_line(group, ch, english, japanese, aux, notes))
    return groups + rows, cand


# ---------------------------------------------------------------------------------------
# DBPhonet.csv and CandAll.csv: the IPA chart
# ---------------------------------------------------------------------------------------

PHONET_GROUPS = [
    "肺気流子音",
    "非肺気流子音",
    "その他の記号",
    "母音",
    "補助記号",
    "超分節要素",
    "声調と語アクセント",
    "慣用記号（図表外）",
]

# symbol, group, Japanese name, English description, caution (Japanese, may be empty)
PHONET = [
    # Pulmonic consonants
    ("p", 0, "無声両唇破裂音", "voiceless bilabial plosive", ""),
    ("b", 0, "有声両唇破裂音", "voiced bilabial plosive", ""),
    ("t", 0, "無声歯茎破裂音", "voiceless alveolar plosive", ""),
    ("d", 0, "有声歯茎破裂音", "voiced alveolar plosive", ""),
    ("ʈ", 0, "無声そり舌破裂音", "voiceless retroflex plosive", ""),
    ("ɖ", 0, "有声そり舌破裂音", "voiced retroflex plosive", ""),
    ("c", 0, "無声硬口蓋破裂音", "voiceless palatal plosive", ""),
    ("ɟ", 0, "有声硬口蓋破裂音", "voiced palatal plosive", "注：f を逆さにした形。ʄ（入破音）と区別"),
    ("k", 0, "無声軟口蓋破裂音", "voiceless velar plosive", ""),
    ("ɡ", 0, "有声軟口蓋破裂音", "voiced velar plosive", "注：IPA 本来の g。ASCII の g (0067) と別の文字"),
    ("g", 0, "有声軟口蓋破裂音（ASCII の g）", "voiced velar plosive", "注：IPA 本来の字形は ɡ (0261)"),
    ("q", 0, "無声口蓋垂破裂音", "voiceless uvular plosive", ""),
    ("ɢ", 0, "有声口蓋垂破裂音", "voiced uvular plosive", ""),
    ("ʔ", 0, "声門破裂音", "glottal plosive (glottal stop)", "注：疑問符 ? と混同しない"),
    ("m", 0, "両唇鼻音", "bilabial nasal", ""),
    ("ɱ", 0, "唇歯鼻音", "labiodental nasal", ""),
    ("n", 0, "歯茎鼻音", "alveolar nasal", ""),
    ("ɳ", 0, "そり舌鼻音", "retroflex nasal", ""),
    ("ɲ", 0, "硬口蓋鼻音", "palatal nasal", "西の ñ、仏・伊の gn"),
    ("ŋ", 0, "軟口蓋鼻音", "velar nasal", "英の sing の ng"),
    ("ɴ", 0, "口蓋垂鼻音", "uvular nasal", ""),
    ("ʙ", 0, "両唇ふるえ音", "bilabial trill", ""),
    ("r", 0, "歯茎ふるえ音", "alveolar trill", "西の rr、伊の r"),
    ("ʀ", 0, "口蓋垂ふるえ音", "uvular trill", ""),
    ("ⱱ", 0, "唇歯はじき音", "labiodental flap", ""),
    ("ɾ", 0, "歯茎はじき音", "alveolar tap", "西・葡の語中の r、日本語のラ行"),
    ("ɽ", 0, "そり舌はじき音", "retroflex flap", ""),
    ("ɸ", 0, "無声両唇摩擦音", "voiceless bilabial fricative", "日本語のフ。注：ギリシア文字 φ (03C6) と混同しない"),
    ("β", 0, "有声両唇摩擦音", "voiced bilabial fricative", "西の母音間の b, v。ギリシア文字ベータと同じ文字"),
    ("f", 0, "無声唇歯摩擦音", "voiceless labiodental fricative", ""),
    ("v", 0, "有声唇歯摩擦音", "voiced labiodental fricative", ""),
    ("θ", 0, "無声歯摩擦音", "voiceless dental fricative", "英の think の th。ギリシア文字シータと同じ文字"),
    ("ð", 0, "有声歯摩擦音", "voiced dental fricative", "英の this の th"),
    ("s", 0, "無声歯茎摩擦音", "voiceless alveolar fricative", ""),
    ("z", 0, "有声歯茎摩擦音", "voiced alveolar fricative", ""),
    ("ʃ", 0, "無声後部歯茎摩擦音", "voiceless postalveolar fricative", "英の sh、仏の ch。注：積分記号 ∫ と混同しない"),
    ("ʒ", 0, "有声後部歯茎摩擦音", "voiced postalveolar fricative", "英の measure の s、仏の j。注：数字 3 や ʓ と混同しない"),
    ("ʂ", 0, "無声そり舌摩擦音", "voiceless retroflex fricative", ""),
    ("ʐ", 0, "有声そり舌摩擦音", "voiced retroflex fricative", ""),
    ("ç", 0, "無声硬口蓋摩擦音", "voiceless palatal fricative", "独の ich の ch、日本語のヒ"),
    ("ʝ", 0, "有声硬口蓋摩擦音", "voiced palatal fricative", ""),
    ("x", 0, "無声軟口蓋摩擦音", "voiceless velar fricative", "独の Bach の ch、西の j"),
    ("ɣ", 0, "有声軟口蓋摩擦音", "voiced velar fricative", "西の母音間の g。注：ギリシア文字 γ (03B3) と混同しない"),
    ("χ", 0, "無声口蓋垂摩擦音", "voiceless uvular fricative", "ギリシア文字カイと同じ文字。注：x と混同しない"),
    ("ʁ", 0, "有声口蓋垂摩擦音", "voiced uvular fricative", "仏・独の r"),
    ("ħ", 0, "無声咽頭摩擦音", "voiceless pharyngeal fricative", ""),
    ("ʕ", 0, "有声咽頭摩擦音", "voiced pharyngeal fricative", "注：声門破裂音 ʔ と向きが逆"),
    ("h", 0, "無声声門摩擦音", "voiceless glottal fricative", ""),
    ("ɦ", 0, "有声声門摩擦音", "voiced glottal fricative", "蘭の h、日本語の母音間のハ行"),
    ("ɬ", 0, "無声歯茎側面摩擦音", "voiceless alveolar lateral fricative", "ウェールズ語の ll。注：ɫ（軟口蓋化した l）と区別"),
    ("ɮ", 0, "有声歯茎側面摩擦音", "voiced alveolar lateral fricative", ""),
    ("ʋ", 0, "唇歯接近音", "labiodental approximant", "蘭の w。注：ギリシア文字 υ (03C5) と混同しない"),
    ("ɹ", 0, "歯茎接近音", "alveolar approximant", "英の r"),
    ("ɻ", 0, "そり舌接近音", "retroflex approximant", ""),
    ("j", 0, "硬口蓋接近音", "palatal approximant", "英の yes の y、独の j"),
    ("ɰ", 0, "軟口蓋接近音", "velar approximant", ""),
    ("l", 0, "歯茎側面接近音", "alveolar lateral approximant", ""),
    ("ɭ", 0, "そり舌側面接近音", "retroflex lateral approximant", ""),
    ("ʎ", 0, "硬口蓋側面接近音", "palatal lateral approximant", "伊の gli、葡の lh"),
    ("ʟ", 0, "軟口蓋側面接近音", "velar lateral approximant", ""),
    # Non-pulmonic consonants
    ("ʘ", 1, "両唇吸着音", "bilabial click", "注：数字 0 や ⊙ と混同しない"),
    ("ǀ", 1, "歯吸着音", "dental click", "注：縦線 | (007C) と混同しない"),
    ("ǃ", 1, "（後部）歯茎吸着音", "(post)alveolar click", "注：感嘆符 ! (0021) と混同しない"),
    ("ǂ", 1, "硬口蓋歯茎吸着音", "palatoalveolar click", ""),
    ("ǁ", 1, "歯茎側面吸着音", "alveolar lateral click", "注：二重縦線 ‖ (2016) と混同しない"),
    ("ɓ", 1, "両唇入破音", "voiced bilabial implosive", ""),
    ("ɗ", 1, "歯茎入破音", "voiced dental/alveolar implosive", ""),
    ("ʄ", 1, "硬口蓋入破音", "voiced palatal implosive", "注：ɟ（破裂音）と区別"),
    ("ɠ", 1, "軟口蓋入破音", "voiced velar implosive", ""),
    ("ʛ", 1, "口蓋垂入破音", "voiced uvular implosive", ""),
    ("ʼ", 1, "放出音", "ejective", "pʼ のように子音の後に置く。注：アポストロフィ ' や ’ と混同しない"),
    # Other symbols
    ("ʍ", 2, "無声両唇軟口蓋摩擦音", "voiceless labial-velar fricative", "英の which の wh（一部の方言）"),
    ("w", 2, "有声両唇軟口蓋接近音", "voiced labial-velar approximant", ""),
    ("ɥ", 2, "有声両唇硬口蓋接近音", "voiced labial-palatal approximant", "仏の huit の u。注：h を逆さにした形"),
    ("ʜ", 2, "無声喉頭蓋摩擦音", "voiceless epiglottal fricative", "注：小型大文字の H"),
    ("ʢ", 2, "有声喉頭蓋摩擦音", "voiced epiglottal fricative", ""),
    ("ʡ", 2, "喉頭蓋破裂音", "epiglottal plosive", ""),
    ("ɕ", 2, "無声歯茎硬口蓋摩擦音", "voiceless alveolo-palatal fricative", "日本語のシ"),
    ("ʑ", 2, "有声歯茎硬口蓋摩擦音", "voiced alveolo-palatal fricative", "日本語のジ"),
    ("ɺ", 2, "歯茎側面はじき音", "voiced alveolar lateral flap", ""),
    ("ɧ", 2, "無声後部歯茎軟口蓋摩擦音", "simultaneous ʃ and x", "スウェーデン語の sj"),
    ("\u0361", 2, "合字弧（上）", "tie bar above (affricates, double articulations: t͡s)", "2つの記号の間に置く"),
    ("\u035c", 2, "合字弧（下）", "tie bar below (t͜s)", "2つの記号の間に置く"),
    # Vowels
    ("i", 3, "非円唇前舌狭母音", "close front unrounded vowel", ""),
    ("y", 3, "円唇前舌狭母音", "close front rounded vowel", "仏の u、独の ü"),
    ("ɨ", 3, "非円唇中舌狭母音", "close central unrounded vowel", ""),
    ("ʉ", 3, "円唇中舌狭母音", "close central rounded vowel", ""),
    ("ɯ", 3, "非円唇後舌狭母音", "close back unrounded vowel", "日本語のウに近い"),
    ("u", 3, "円唇後舌狭母音", "close back rounded vowel", ""),
    ("ɪ", 3, "非円唇前舌準狭母音", "near-close near-front unrounded vowel", "英の sit の i。注：ドットなし ı (0131) と混同しない"),
    ("ʏ", 3, "円唇前舌準狭母音", "near-close near-front rounded vowel", ""),
    ("ʊ", 3, "円唇後舌準狭母音", "near-close near-back rounded vowel", "英の book の oo。注：ギリシア文字 υ や ʋ と混同しない"),
    ("e", 3, "非円唇前舌半狭母音", "close-mid front unrounded vowel", ""),
    ("ø", 3, "円唇前舌半狭母音", "close-mid front rounded vowel", "仏の peu の eu、独の ö"),
    ("ɘ", 3, "非円唇中舌半狭母音", "close-mid central unrounded vowel", "注：ə（シュワー）と区別"),
    ("ɵ", 3, "円唇中舌半狭母音", "close-mid central rounded vowel", "注：θ と区別"),
    ("ɤ", 3, "非円唇後舌半狭母音", "close-mid back unrounded vowel", "注：ギリシア文字 γ や ɣ と混同しない"),
    ("o", 3, "円唇後舌半狭母音", "close-mid back rounded vowel", ""),
    ("ə", 3, "中舌中央母音（シュワー）", "mid central vowel (schwa)", "英の about の a。注：ǝ (01DD) は別の文字"),
    ("ɛ", 3, "非円唇前舌半広母音", "open-mid front unrounded vowel", "英の bed の e。注：ギリシア文字 ε (03B5) と混同しない"),
    ("œ", 3, "円唇前舌半広母音", "open-mid front rounded vowel", "仏の peur の eu"),
    ("ɜ", 3, "非円唇中舌半広母音", "open-mid central unrounded vowel", "英の bird の ir（長音 ɜː）"),
    ("ɞ", 3, "円唇中舌半広母音", "open-mid central rounded vowel", ""),
    ("ʌ", 3, "非円唇後舌半広母音", "open-mid back unrounded vowel", "英の cup の u。注：キャレット ^ と混同しない"),
    ("ɔ", 3, "円唇後舌半広母音", "open-mid back rounded vowel", ""),
    ("æ", 3, "非円唇前舌準広母音", "near-open front unrounded vowel", "英の cat の a"),
    ("ɐ", 3, "中舌準広母音", "near-open central vowel", "葡の語末の a"),
    ("a", 3, "非円唇前舌広母音", "open front unrounded vowel", ""),
    ("ɶ", 3, "円唇前舌広母音", "open front rounded vowel", ""),
    ("ɑ", 3, "非円唇後舌広母音", "open back unrounded vowel", "英の father の a。注：ギリシア文字 α (03B1) と混同しない"),
    ("ɒ", 3, "円唇後舌広母音", "open back rounded vowel", "英（英国）の hot の o"),
    # Diacritics
    ("\u0325", 4, "無声化（下）", "voiceless (n̥)", ""),
    ("\u030a", 4, "無声化（上）", "voiceless, above a descender (ŋ̊)", ""),
    ("\u032c", 4, "有声化", "voiced (s̬)", ""),
    ("ʰ", 4, "有気音", "aspirated (tʰ)", "注：小文字 h と区別"),
    ("ʱ", 4, "息もれ声の有気音", "breathy-voiced aspiration (bʱ)", ""),
    ("\u0339", 4, "円唇性が強い", "more rounded (ɔ̹)", ""),
    ("\u031c", 4, "円唇性が弱い", "less rounded (ɔ̜)", ""),
    ("\u031f", 4, "前寄り", "advanced (u̟)", ""),
    ("\u0320", 4, "後ろ寄り", "retracted (e̠)", ""),
    ("\u0308", 4, "中舌寄り（中舌化）", "centralized (ë)", "注：ダイエレシス付きの文字（ë 00EB）と同じ形"),
    ("\u033d", 4, "中央寄り", "mid-centralized (e̽)", ""),
    ("\u0329", 4, "音節主音（下）", "syllabic (n̩)", ""),
    ("\u030d", 4, "音節主音（上）", "syllabic, above a descender (ŋ̍)", ""),
    ("\u032f", 4, "非音節主音（下）", "non-syllabic (e̯)", ""),
    ("\u0311", 4, "非音節主音（上）", "non-syllabic, above a descender", ""),
    ("˞", 4, "Ｒ音性（そり舌化）", "rhoticity (ə˞ a˞)", ""),
    ("\u0324", 4, "息もれ声", "breathy voiced (b̤ a̤)", ""),
    ("\u0330", 4, "きしみ声", "creaky voiced (b̰ a̰)", "注：鼻音化 ̃（上）と区別"),
    ("\u033c", 4, "舌唇音化", "linguolabial (t̼ d̼)", ""),
    ("ʷ", 4, "唇音化", "labialized (tʷ)", ""),
    ("ʲ", 4, "硬口蓋化", "palatalized (tʲ)", ""),
    ("ˠ", 4, "軟口蓋化", "velarized (tˠ)", "注：ギリシア文字 γ の上付きに見える"),
    ("ˤ", 4, "咽頭化", "pharyngealized (tˤ)", ""),
    ("\u0334", 4, "軟口蓋化または咽頭化", "velarized or pharyngealized (ɫ)", ""),
    ("\u031d", 4, "上寄り", "raised (e̝)", ""),
    ("\u031e", 4, "下寄り", "lowered (e̞)", ""),
    ("\u0318", 4, "舌根前進", "advanced tongue root (e̘)", ""),
    ("\u0319", 4, "舌根後退", "retracted tongue root (e̙)", ""),
    ("\u032a", 4, "歯音", "dental (t̪)", ""),
    ("\u033a", 4, "舌尖音", "apical (t̺)", ""),
    ("\u033b", 4, "舌端音", "laminal (t̻)", ""),
    ("\u0303", 4, "鼻音化", "nasalized (ẽ)", "仏の鼻母音 ɑ̃ ɔ̃ ɛ̃。注：チルダ付きの文字（ã 00E3）と同じ形"),
    ("ⁿ", 4, "鼻腔開放", "nasal release (dⁿ)", ""),
    ("ˡ", 4, "側面開放", "lateral release (dˡ)", ""),
    ("\u031a", 4, "無開放", "no audible release (d̚)", ""),
    ("ᵊ", 4, "中舌中央母音の開放", "mid central vowel release (dᵊ)", ""),
    ("ᶿ", 4, "歯摩擦音の開放", "dental fricative release (tᶿ)", ""),
    ("ˣ", 4, "軟口蓋摩擦音の開放", "velar fricative release (kˣ)", ""),
    # Suprasegmentals
    ("ˈ", 5, "第一強勢", "primary stress", "強勢のある音節の前に置く。注：アポストロフィ ' (0027) と混同しない"),
    ("ˌ", 5, "第二強勢", "secondary stress", "注：コンマ , と混同しない"),
    ("ː", 5, "長音", "long (eː)", "注：コロン : (003A) と混同しない"),
    ("ˑ", 5, "半長音", "half-long (eˑ)", "注：中点 · と混同しない"),
    ("\u0306", 5, "超短音", "extra-short (ĕ)", ""),
    ("|", 5, "小さな切れ目（韻脚グループ）", "minor (foot) group", "注：歯吸着音 ǀ (01C0) と混同しない"),
    ("‖", 5, "大きな切れ目（イントネーショングループ）", "major (intonation) group", "注：歯茎側面吸着音 ǁ (01C1) と混同しない"),
    (".", 5, "音節の切れ目", "syllable break (ɹi.ækt)", ""),
    ("‿", 5, "連結（切れ目がない）", "linking (absence of a break)", "2つの語の間に置く。注：合字弧（下）と区別"),
    ("-", 5, "ハイフン（形態素の境界）", "hyphen (morpheme or syllable boundary)", ""),
    # Tones and word accents
    ("\u030b", 6, "平板調　超高", "extra high level tone (e̋)", ""),
    ("\u0301", 6, "平板調　高", "high level tone (é)", "注：アキュート付きの文字（é 00E9）と同じ形"),
    ("\u0304", 6, "平板調　中", "mid level tone (ē)", ""),
    ("\u0300", 6, "平板調　低", "low level tone (è)", "注：グレーブ付きの文字（è 00E8）と同じ形"),
    ("\u030f", 6, "平板調　超低", "extra low level tone (ȅ)", ""),
    ("˥", 6, "声調文字　超高", "extra high tone letter", ""),
    ("˦", 6, "声調文字　高", "high tone letter", ""),
    ("˧", 6, "声調文字　中", "mid tone letter", ""),
    ("˨", 6, "声調文字　低", "low tone letter", ""),
    ("˩", 6, "声調文字　超低", "extra low tone letter", ""),
    ("ꜜ", 6, "ダウンステップ", "downstep", "注：矢印 ↓ と区別"),
    ("ꜛ", 6, "アップステップ", "upstep", "注：矢印 ↑ と区別"),
    ("\u030c", 6, "曲線調　上昇", "rising tone (ě)", ""),
    ("\u0302", 6, "曲線調　下降", "falling tone (ê)", "注：サーカムフレックス付きの文字（ê 00EA）と同じ形"),
    ("\u1dc4", 6, "曲線調　高上昇", "high rising tone (e᷄)", ""),
    ("\u1dc5", 6, "曲線調　低上昇", "low rising tone (e᷅)", ""),
    ("\u1dc8", 6, "曲線調　上昇下降", "rising-falling tone (e᷈)", ""),
    ("↗", 6, "全体的上昇", "global rise", ""),
    ("↘", 6, "全体的下降", "global fall", ""),
    # Customary symbols outside the chart, met in dictionaries and older texts
    ("ɚ", 7, "Ｒ音化した中舌中央母音", "rhotacized schwa (American English)", "米の letter の er。ə˞ とも書く"),
    ("ɝ", 7, "Ｒ音化した中舌半広母音", "rhotacized open-mid central vowel", "米の bird の ir。ɜ˞ とも書く"),
    ("ɫ", 7, "軟口蓋化した歯茎側面接近音", "velarized alveolar lateral (dark l)", "英の feel の l。注：ɬ（摩擦音）と区別"),
    ("ᵻ", 7, "非円唇中舌準狭母音", "near-close central unrounded vowel", "辞書で ɪ と ə の揺れを表す"),
    ("ᵿ", 7, "円唇中舌準狭母音", "near-close central rounded vowel", "辞書で ʊ と ə の揺れを表す"),
    ("ʦ", 7, "無声歯茎破擦音（合字）", "voiceless alveolar affricate (ligature)", "注：現行の IPA では t͡s と書く"),
    ("ʣ", 7, "有声歯茎破擦音（合字）", "voiced alveolar affricate (ligature)", "注：現行の IPA では d͡z と書く"),
    ("ʧ", 7, "無声後部歯茎破擦音（合字）", "voiceless postalveolar affricate (ligature)", "注：現行の IPA では t͡ʃ と書く"),
    ("ʤ", 7, "有声後部歯茎破擦音（合字）", "voiced postalveolar affricate (ligature)", "注：現行の IPA では d͡ʒ と書く"),
    ("ʨ", 7, "無声歯茎硬口蓋破擦音（合字）", "voiceless alveolo-palatal affricate (ligature)", "注：現行の IPA では t͡ɕ と書く"),
    ("ʥ", 7, "有声歯茎硬口蓋破擦音（合字）", "voiced alveolo-palatal affricate (ligature)", "注：現行の IPA では d͡ʑ と書く"),
]

# Symbols that attach to the preceding symbol although they are spacing characters.
PHONET_ATTACHED = set("ʼʰʱʷʲˠˤⁿˡᵊᶿˣ˞ːˑ")
# Symbols placed between two symbols.
PHONET_BETWEEN = {"\u0361", "\u035c", "‿"}

# Triggers of the phonetic set.  Lower-case letters type themselves; a capital offers the
# IPA relatives of its letter, and the punctuation keys group the marks by kind.
PHONET_KEYS = [
    ("A", "ɑæɐʌɒɶ"),                 # open vowels
    ("B", "βɓʙ"),
    ("C", "çɕ"),
    ("D", "ðɖɗʤʣʥ"),
    ("E", "əɛɜɚɝɘɞ"),                # mid vowels
    ("F", "ɸⱱ"),
    ("G", "ɡɣɢɠʛˠ"),
    ("H", "ɦħɥʜɧʰʱ"),
    ("I", "ɪɨᵻ"),
    ("J", "ʝɟʄʲ"),
    ("K", "ɡŋɣɰʟɠ"),                 # velars
    ("L", "ɫɬɮɭʎʟɺˡ"),
    ("M", "ɱɯɰ"),
    ("N", "ŋɲɳɴⁿ"),
    ("O", "ɔøœɒɵɤɞɶ"),
    ("P", "ɸ"),
    ("Q", "χʁɢɴʀ"),                  # uvulars
    ("R", "ɹɾʁɻɽʀɺ˞"),
    ("S", "ʃʂɕʧʦʨɧ"),                # sibilants
    ("T", "θʈʧʦʨ"),
    ("U", "ʊʉɯᵿ"),
    ("V", "ʌʋⱱ"),
    ("W", "ʍɰʷɥ"),
    ("X", "χɣɧˣ"),
    ("Y", "ʏɥʎɣɤ"),
    ("Z", "ʒʐʑʤʣʥ"),
    ("'", "ˈˌʼ"),                    # stress, ejective
    ("%", "ˌˈ"),
    (":", "ːˑ\u0306"),                # length
    ("@", "əɚᵊɘɵ"),                  # schwa and its neighbours
    ("{", "æɶɐ"),
    ("}", "ʉᵿɨᵻ"),                   # central close vowels
    ("`", "˞ɚɝɻʈɖɳʂʐ"),              # rhotic and retroflex
    ("?", "ʔʕʡʢ"),                   # glottal, pharyngeal, epiglottal
    ("!", "ǃǀǁǂʘ"),                  # clicks
    ("<", "ɓɗʄɠʛ"),                  # implosives
    (">", "ʼ"),
    ("|", "|‖ǀǁ"),                   # groups
    ("-", "\u0361\u035c‿-"),         # tie bars, linking
    ("~", "\u0303\u0330\u0334"),      # nasal, creaky, velarized
    ("_", "\u0325\u030a\u032c\u0324\u0330"),            # phonation
    ("=", "\u0329\u030d\u032f\u0311"),                  # syllabicity
    ("+", "\u031f\u0320\u031d\u031e\u0318\u0319"),      # tongue position
    ("$", "\u0339\u031c\u0308\u033d"),                  # rounding, centralization
    (";", "\u032a\u033a\u033b\u033c"),                  # place
    ("*", "ʰʷʲˠˤʱ"),                 # secondary articulation
    ("&", "ⁿˡ\u031aᵊᶿˣ"),            # release
    ('"', "\u030b\u0301\u0304\u0300\u030f"),            # level tones
    ("#", "˥˦˧˨˩"),                  # tone letters
    ("^", "\u0302\u030c\u1dc4\u1dc5\u1dc8ꜛꜜ↗↘"),        # contour tones, steps
]


def phonet_aux(ch):
    if ch in PHONET_BETWEEN:
        return 2
    if unicodedata.combining(ch) or ch in PHONET_ATTACHED:
        return 1
    return 0


def build_phonet_tables():
    lines = [group_line(i, name) for i, name in enumerate(PHONET_GROUPS)]
    for ch, group, japanese, english_desc, caution in PHONET:
        notes = english_desc + (" / " + caution if caution else "")
        lines.append(symbol_line(group, ch, unicodedata.name(ch), japanese, phonet_aux(ch),
                                 notes))
    cand = [cand_line(key, chars) for key, chars in PHONET_KEYS]
    return lines, cand


# ---------------------------------------------------------------------------------------
# The seven palette databases
# ---------------------------------------------------------------------------------------

# The letters the palette shows for each language: capitals, then small letters.
PALETTE_EXTRA = {
    "English": ("", ""),
    "French": ("ÉÀÈÙÂÊÎÔÛËÏÜŒÆÇ", "çéàèùâêîôûëïüœæ"),
    "German": ("ÄÖÜ", "äöüß"),
    "Spanish": ("ÑÁÉÍÓÚÜ", "ñáéíóúü"),
    "Italian": ("ÀÈÒÉÍÓÚÂÊÎÔÛ", "àèòéíóúâêîôû"),
    "Portuguese": ("ÁÉÍÓÚÂÊÔÃÕÀÜÇ", "áéíóúâêôãõàüç"),
    "Dutch": ("ĲÄËÏÖÜÁÉÍÓÚÈ", "ĳäëïöüáéíóúè"),
}
# Letters of the language the palette set leaves out; their rows are there so that the
# names are ready wherever the letter shows up.
PALETTE_SPARE = {"French": "Ÿÿ", "German": "ẞ", "Italian": "ÌÙìù"}
ENGLISH_SIGNS = "#$@`+*[]\"'~1234567890,.;:()!?/%&<>=-{}|_\\"

# Names of the letters A to Z in each language: corner label (Latin script) and reading.
LETTER_NAMES = {
    "English": (
        "a bee cee dee e ef gee aitch i jay kay el em en o pee cue ar ess tee u vee "
        "double-u ex wye zed",
        "エイ ビー シー ディー イー エフ ジー エイチ アイ ジェイ ケイ エル エム エン オウ ピー "
        "キュー アー エス ティー ユー ヴィー ダブリュー エックス ワイ ゼッド"),
    "French": (
        "a bé cé dé e effe gé ache i ji ka elle emme enne o pé qu erre esse té u vé "
        "double_vé ixe i_grec zède",
        "ア ベ セ デ ウ エフ ジェ アッシュ イ ジ カ エル エム エヌ オ ペ キュ エール エス テ ユ ヴェ "
        "ドゥブルヴェ イクス イグレック ゼッド"),
    "German": (
        "a be ce de e ef ge ha i jot ka el em en o pe ku er es te u vau we ix ypsilon zet",
        "アー ベー ツェー デー エー エフ ゲー ハー イー ヨット カー エル エム エン オー ペー クー "
        "エル エス テー ウー ファウ ヴェー イクス ユプシロン ツェット"),
    "Spanish": (
        "a be ce de e efe ge hache i jota ka ele eme ene o pe cu erre ese te u uve "
        "uve_doble equis ye zeta",
        "ア ベ セ デ エ エフェ ヘ アチェ イ ホタ カ エレ エメ エネ オ ペ ク エッレ エセ テ ウ ウベ "
        "ウベ・ドブレ エキス イェ セタ"),
    "Italian": (
        "a bi ci di e effe gi acca i i_lunga cappa elle emme enne o pi cu erre esse ti u vu "
        "doppia_vu ics ipsilon zeta",
        "ア ビ チ ディ エ エッフェ ジ アッカ イ イ・ルンガ カッパ エッレ エンメ エンネ オ ピ ク "
        "エッレ エッセ ティ ウ ヴー ドッピア・ヴー イクス イプシロン ゼータ"),
    "Portuguese": (
        "á bê cê dê é efe gê agá i jota capa ele eme ene ó pê quê erre esse tê u vê "
        "dáblio xis ípsilon zê",
        "ア ベ セ デ エ エフィ ジェ アガ イ ジョタ カパ エリ エミ エニ オ ペ ケ エーヒ エシ テ ウ ヴェ "
        "ダブリウ シス イプシロン ゼ"),
    "Dutch": (
        "a bee cee dee ee ef gee ha i jee ka el em en o pee ku er es tee u vee wee iks "
        "griekse_ij zet",
        "アー ベー セー デー エー エフ ヘー ハー イー イェー カー エル エム エン オー ペー キュー "
        "エル エス テー ユー フェー ウェー イクス フリークセ・エイ ゼット"),
}

# What each language calls the marks and special letters (readings, for the hints).
LOCAL_TERMS = {
    "French": {"ACUTE": "アクサン・テギュ", "GRAVE": "アクサン・グラーヴ",
               "CIRCUMFLEX": "アクサン・シルコンフレックス", "DIAERESIS": "トレマ",
               "CEDILLA": "セディーユ", "œ": "エ・ダン・ロ", "æ": "エ・ダン・ラ"},
    "German": {"DIAERESIS": "ウムラウト", "ß": "エスツェット"},
    "Spanish": {"ACUTE": "ティルデ（アクセント符号）", "DIAERESIS": "ディエレシス",
                "ñ": "エニェ"},
    "Italian": {"ACUTE": "アッチェント・アクート", "GRAVE": "アッチェント・グラーヴェ",
                "CIRCUMFLEX": "アッチェント・チルコンフレッソ"},
    "Portuguese": {"ACUTE": "アセント・アグード", "GRAVE": "アセント・グラーヴィ",
                   "CIRCUMFLEX": "アセント・シルクンフレクソ", "TILDE": "チウ",
                   "CEDILLA": "セジーリャ", "DIAERESIS": "トレーマ（旧綴り）"},
    "Dutch": {"ACUTE": "アクサン・テギュ（強調）", "GRAVE": "アクサン・グラーヴ",
              "DIAERESIS": "トレマ", "ĳ": "エイ"},
}

SPECIAL_LABEL = {"ß": "sz", "œ": "oe", "æ": "ae", "ĳ": "ij"}

SIGN_NAMES = {
    "#": ("hash", "番号記号（シャープ）"), "$": ("dollar", "ドル記号"),
    "@": ("at", "単価記号（アットマーク）"), "`": ("grave", "グレーブアクセント（バッククォート）"),
    "+": ("plus", "プラス記号"), "*": ("star", "アスタリスク"),
    "[": ("bracket", "左角括弧"), "]": ("bracket", "右角括弧"),
    '"': ("quote", "二重引用符（ダブルクォート）"), "'": ("apos", "アポストロフィ（シングルクォート）"),
    "~": ("tilde", "チルダ"), ",": ("comma", "コンマ"), ".": ("period", "ピリオド（終止符）"),
    ";": ("semicolon", "セミコロン"), ":": ("colon", "コロン"),
    "(": ("paren", "左丸括弧"), ")": ("paren", "右丸括弧"),
    "!": ("excl", "感嘆符"), "?": ("question", "疑問符"), "/": ("slash", "スラッシュ"),
    "%": ("percent", "パーセント記号"), "&": ("and", "アンパサンド"),
    "<": ("less", "小なり記号"), ">": ("greater", "大なり記号"), "=": ("equals", "等号"),
    "-": ("hyphen", "ハイフンマイナス"), "{": ("brace", "左波括弧"), "}": ("brace", "右波括弧"),
    "|": ("bar", "縦線"), "_": ("under", "下線（アンダースコア）"),
    "\\": ("backslash", "バックスラッシュ"),
}
DIGIT_NAMES = "zero one two three four five six seven eight nine".split()

LANG_GROUPS = ["大文字", "小文字", "数字・記号"]


def palette_letters(lang):
    """Capitals, small letters and signs of a palette set, in cell order."""
    extra_upper, extra_lower = PALETTE_EXTRA[lang]
    upper = [chr(c) for c in range(0x41, 0x5B)]
    lower = [chr(c) for c in range(0x61, 0x7B)]
    if lang == "Dutch":
        upper.insert(24, "Ĳ")
        lower.insert(24, "ĳ")
        extra_upper = extra_upper.replace("Ĳ", "")
        extra_lower = extra_lower.replace("ĳ", "")
    if lang == "Spanish":
        upper.insert(14, "Ñ")
        lower.insert(14, "ñ")
        extra_upper = extra_upper.replace("Ñ", "")
        extra_lower = extra_lower.replace("ñ", "")
    upper += list(extra_upper)
    lower += list(extra_lower)
    for ch in PALETTE_SPARE.get(lang, ""):
        (upper if ch.isupper() else lower).append(ch)
    signs = list(ENGLISH_SIGNS) if lang == "English" else []
    return upper, lower, signs


def language_names(lang, ch):
    """Corner label and Japanese name of a palette letter."""
    labels, readings = LETTER_NAMES[lang]
    labels = [s.replace("_", " ") for s in labels.split()]
    readings = readings.split()
    terms = LOCAL_TERMS.get(lang, {})
    japanese = latin_japanese(ch)
    if "A" <= ch <= "Z" or "a" <= ch <= "z":
        i = ord(ch.upper()) - 0x41
        return escape_non_ascii(labels[i]), japanese + "［" + readings[i] + "］"
    low = ch.lower() if ch != "ẞ" else "ß"
    if low in SPECIAL_LABEL:
        label = SPECIAL_LABEL[low] if ch == low else SPECIAL_LABEL[low].upper()
        term = terms.get(low)
    else:
        capital, base, mark = letter_parts(ch)
        label = escape_non_ascii(MARK_LABEL[mark])
        term = terms.get(low) or terms.get(mark)
    if term and term not in japanese:
        japanese += "［" + term + "］"
    return label, japanese


def build_language_db(lang):
    upper, lower, signs = palette_letters(lang)
    lines = [group_line(i, name) for i, name in enumerate(LANG_GROUPS if signs else LANG_GROUPS[:2])]
    for group, chars in ((0, upper), (1, lower)):
        for ch in chars:
            label, japanese = language_names(lang, ch)
            lines.append(symbol_line(group, ch, label, japanese, 0, unicodedata.name(ch)))
    for ch in signs:
        if ch.isdigit():
            label, japanese = DIGIT_NAMES[int(ch)], "数字" + zen(ch)
        else:
            label, japanese = SIGN_NAMES[ch]
        lines.append(symbol_line(2, ch, label, japanese, 0, unicodedata.name(ch)))
    return lines


# The HTML lists of the two candidate-order files are written by the program's own list
# generator (velmorhtmllist, built with the program), so that they are exactly the pages
# its list tool makes. Give its path in VELMORHTMLLIST when it is not in build/bin.
def html_list_tool():
    tool = os.environ.get("VELMORHTMLLIST") or os.path.join(HERE, "..", "build", "bin",
                                                            "velmorhtmllist")
    return tool if os.path.exists(tool) else None


def html_lists(directory, mode):
    tool = html_list_tool()
    if tool is None:
        print("velmorhtmllist not built: the HTML lists were not %s"
              % ("written" if mode == "lists" else "checked"))
        return True
    return subprocess.call([tool, mode, directory]) == 0


LANGUAGES = ["English", "French", "German", "Spanish", "Italian", "Portuguese", "Dutch"]


def all_tables():
    tables = {}
    db, cand = build_letter_tables()
    tables["DBVelmor.csv"] = db
    tables["CandVelmor.csv"] = cand
    db, cand = build_phonet_tables()
    tables["DBPhonet.csv"] = db
    tables["CandAll.csv"] = cand
    for lang in LANGUAGES:
        tables["DB%s.csv" % lang] = build_language_db(lang)
    return tables


# ---------------------------------------------------------------------------------------
# Validation
# ---------------------------------------------------------------------------------------

def split_comma_text(line):
    """The program's field splitting of one line of a table file."""
    def blank(c):
        return 1 <= ord(c) <= 32

    fields = []
    i, n = 0, len(line)
    while i < n and blank(line[i]):
        i += 1
    if i >= n:
        return fields
    while True:
        if line[i] == '"':
            i += 1
            buf = []
            while i < n:
                if line[i] == '"':
                    if i + 1 < n and line[i + 1] == '"':
                        buf.append('"')
                        i += 2
                        continue
                    i += 1
                    break
                buf.append(line[i])
                i += 1
            fields.append("".join(buf))
        else:
            start = i
            while i < n and line[i] != "," and not blank(line[i]):
                i += 1
            fields.append(line[start:i])
        while i < n and blank(line[i]):
            i += 1
        if i >= n:
            return fields
        if line[i] == ",":
            i += 1
            while i < n and blank(line[i]):
                i += 1
            if i >= n:
                fields.append("")
                return fields


def is_hex_code(text):
    return len(text) == 4 and all(c in "0123456789ABCDEF" for c in text)


# The 60 keys of the phonetic keyboard (58 distinct characters).
PHONET_KEYBOARD = set("!\"#$%&'()=~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_-^\\@[;:],./")
# The characters of the letter trigger keyboard, both layers.
LETTER_KEYBOARD = set("1234567890-^\\!\"#$%&'()=~|qwertyuiop@[QWERTYUIOP`{"
                      "asdfghjkl;:]ASDFGHJKL+*}zxcvbnm,./\\ZXCVBNM<>?_")


class Report:
    def __init__(self):
        self.faults = []

    def fault(self, name, line_no, text):
        where = "%s:%d" % (name, line_no) if line_no else name
        self.faults.append("%s: %s" % (where, text))


def read_table(path, name, report):
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"\xef\xbb\xbf"):
        report.fault(name, 0, "no UTF-8 byte-order mark")
    else:
        data = data[3:]
    if b"\x00" in data:
        report.fault(name, 0, "NUL byte in the file")
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        report.fault(name, 0, "not UTF-8: %s" % e)
        return []
    if text and not text.endswith("\r\n"):
        report.fault(name, 0, "last line does not end with CR LF")
    for no, line in enumerate(text.split("\r\n"), 1):
        if "\r" in line or "\n" in line:
            report.fault(name, no, "line ends with a bare CR or LF instead of CR LF")
    # The program ends a line at CR, LF or CR LF; read the rest the same way.
    lines = re.split("\r\n|\r|\n", text)
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def cp932_ok(text):
    try:
        text.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def expand_hex_escapes(text):
    while True:
        i = text.find("#$")
        if i < 0:
            return text
        if len(text) >= i + 6 and is_hex_code(text[i + 2:i + 6]):
            text = text[:i] + chr(int(text[i + 2:i + 6], 16)) + text[i + 6:]
        else:
            text = text[:i] + text[i + 2:]


def validate_db(name, lines, report, unicode_names):
    """Checks one symbol database; returns {code: (english, japanese, aux, notes)}."""
    groups = []
    rows = {}
    for no, line in enumerate(lines, 1):
        fields = split_comma_text(line)
        if len(fields) == 3:
            if fields[0] != "Group":
                report.fault(name, no, "3-field line that is not a Group line")
                continue
            if not fields[1].isdigit():
                report.fault(name, no, "group number %r is not decimal" % fields[1])
                continue
            if int(fields[1]) != len(groups):
                report.fault(name, no, "groups must be numbered 0, 1, 2, ... in order")
            if not fields[2]:
                report.fault(name, no, "empty group name")
            if not line.startswith('Group,%s,"' % fields[1]):
                report.fault(name, no, "Group line not in the written form")
            groups.append(int(fields[1]))
            continue
        if len(fields) != 6:
            report.fault(name, no, "%d fields (a row has 6, a Group line 3)" % len(fields))
            continue
        group, code, english, japanese, aux, notes = fields
        if rows == {} and len(groups) == 0:
            report.fault(name, no, "symbol row before the Group lines")
        if line != symbol_line_from_fields(fields):
            report.fault(name, no, "row not in the written form (number, then 5 quoted texts)")
        if not group.isdigit() or int(group) not in groups:
            report.fault(name, no, "group %r is not a known group" % group)
        if not is_hex_code(code):
            report.fault(name, no, "code %r is not four upper-case hex digits" % code)
            continue
        value = int(code, 16)
        if 0xD800 <= value <= 0xDFFF:
            report.fault(name, no, "code %s is a surrogate, not one code unit" % code)
        if value <= 0x20:
            report.fault(name, no, "code %s would be a blank candidate" % code)
        ch = chr(value)
        uname = unicodedata.name(ch, None)
        if uname is None:
            report.fault(name, no, "code %s is not an assigned character" % code)
        if code in rows:
            report.fault(name, no, "duplicate code %s" % code)
        if not english or not japanese:
            report.fault(name, no, "empty English or Japanese name")
        if aux not in ("0", "1", "2"):
            report.fault(name, no, "aux %r is not 0, 1 or 2" % aux)
        elif unicodedata.combining(ch) and aux == "0":
            report.fault(name, no, "combining mark %s with aux 0" % code)
        elif not unicodedata.combining(ch) and aux == "2" and ch != "‿":
            report.fault(name, no, "aux 2 on a spacing symbol %s" % code)
        if "注" in notes.replace("注：", ""):
            report.fault(name, no, "注 in the notes marks a caution and is written 注：")
        if not english.isascii():
            report.fault(name, no, "English name outside ASCII (use #$XXXX escapes)")
        if not cp932_ok(japanese):
            report.fault(name, no, "Japanese name not representable in code page 932")
        if uname and unicode_names and english != uname:
            report.fault(name, no, "English name %r is not Unicode's %r" % (english, uname))
        if uname and not unicode_names and notes != uname:
            report.fault(name, no, "notes should hold Unicode's name %r" % uname)
        rows[code] = (english, japanese, aux, notes)
    if not groups:
        report.fault(name, 0, "no Group lines")
    return rows


def symbol_line_from_fields(fields):
    return "%s,%s" % (fields[0], ",".join(quote(f) for f in fields[1:]))


def validate_cand(name, lines, db, keyboard, report):
    """Checks one candidate-order file against its database; returns the candidates."""
    keys = set()
    offered = set()
    if lines and len(split_comma_text(lines[0])) != 10:
        report.fault(name, 1, "first line must have 10 fields (the editor's recognition)")
    for no, line in enumerate(lines, 1):
        fields = split_comma_text(line)
        if len(fields) != 10:
            report.fault(name, no, "%d fields (a trigger line has 10)" % len(fields))
            continue
        if line != ",".join(quote(f) for f in fields):
            report.fault(name, no, "line not in the written form (10 quoted fields)")
        trigger = fields[0]
        if trigger == "0022":
            key = '"'
        elif len(trigger) == 1 and trigger != '"':
            key = trigger
        else:
            report.fault(name, no, "trigger field %r is not one character or 0022" % trigger)
            continue
        if key in keys:
            report.fault(name, no, "second line for the trigger %r" % key)
        keys.add(key)
        if key not in keyboard:
            report.fault(name, no, "trigger %r is not a key of the keyboard page" % key)
        if "a" <= key <= "z" or "0" <= key <= "9":
            report.fault(name, no, "trigger %r would stop a letter or digit typing itself" % key)
        seen = set()
        count = 0
        for slot, code in enumerate(fields[1:], 1):
            if code == "":
                continue
            count += 1
            if not is_hex_code(code):
                report.fault(name, no, "candidate %d %r is not four upper-case hex digits"
                             % (slot, code))
                continue
            if code in seen:
                report.fault(name, no, "candidate %s offered twice" % code)
            seen.add(code)
            if code not in db:
                report.fault(name, no, "candidate %s has no row in the database" % code)
            offered.add(code)
        if count == 0:
            report.fault(name, no, "trigger %r without candidates" % key)
        if any(fields[i] == "" and fields[i + 1] != "" for i in range(1, 9)):
            report.fault(name, no, "empty slot before a filled one")
    return offered


# Palette cells of the language sets, as the palette page fills them.
def palette_cells(lang):
    upper, lower, signs = palette_letters(lang)
    return (set(upper) | set(lower) | set(signs)) - set(PALETTE_SPARE.get(lang, ""))


def validate(directory):
    report = Report()
    files = {}
    for name in all_tables():
        path = os.path.join(directory, name)
        if not os.path.exists(path):
            report.fault(name, 0, "missing")
            continue
        files[name] = read_table(path, name, report)

    def db(name, unicode_names):
        return validate_db(name, files.get(name, []), report, unicode_names)

    velmor = db("DBVelmor.csv", True)
    phonet = db("DBPhonet.csv", True)
    offered = validate_cand("CandVelmor.csv", files.get("CandVelmor.csv", []), velmor,
                            LETTER_KEYBOARD, report)
    for code in sorted(set(velmor) - offered):
        report.fault("DBVelmor.csv", 0, "%s is offered by no trigger" % code)
    offered = validate_cand("CandAll.csv", files.get("CandAll.csv", []), phonet,
                            PHONET_KEYBOARD, report)
    for code in sorted(set(phonet) - offered):
        if int(code, 16) >= 0x80:
            report.fault("DBPhonet.csv", 0, "%s is offered by no trigger" % code)
    for lang in LANGUAGES:
        name = "DB%s.csv" % lang
        rows = db(name, False)
        for ch in sorted(palette_cells(lang)):
            if code_of(ch) not in rows:
                report.fault(name, 0, "palette letter %s (%s) has no row" % (ch, code_of(ch)))
        for code in rows:
            ch = chr(int(code, 16))
            if ch not in palette_cells(lang) and ch not in PALETTE_SPARE.get(lang, ""):
                report.fault(name, 0, "%s is not a letter of the palette" % code)
        for code, (english, _, _, _) in rows.items():
            if expand_hex_escapes(english) != english and "#$" not in english:
                report.fault(name, 0, "%s: broken escape in %r" % (code, english))
    return report


def summary(directory):
    out = []
    for name in all_tables():
        path = os.path.join(directory, name)
        if not os.path.exists(path):
            continue
        with open(path, "rb") as f:
            lines = f.read()[3:].decode("utf-8").split("\r\n")[:-1]
        fields = [split_comma_text(l) for l in lines]
        if name.startswith("Cand"):
            cands = sum(sum(1 for x in f[1:] if x) for f in fields)
            out.append("%-18s %3d triggers, %3d candidates" % (name, len(lines), cands))
        else:
            groups = sum(1 for f in fields if len(f) == 3)
            out.append("%-18s %3d symbols in %2d groups" % (name, len(lines) - groups, groups))
    return "\n".join(out)


def main(argv):
    mode = argv[1] if len(argv) > 1 else "all"
    directory = argv[2] if len(argv) > 2 and mode == "validate" else TABLE_DIR
    if mode not in ("all", "generate", "validate", "check"):
        print(__doc__)
        return 2
    if mode in ("all", "generate"):
        os.makedirs(directory, exist_ok=True)
        tables = all_tables()
        for name, lines in tables.items():
            write_table(name, lines, directory)
        html_lists(directory, "lists")
    if mode == "generate":
        return 0
    report = validate(directory)
    if mode == "check":
        for name, lines in all_tables().items():
            path = os.path.join(directory, name)
            if os.path.exists(path):
                with open(path, "rb") as f:
                    expected = (BOM + "".join(l + "\r\n" for l in lines)).encode("utf-8")
                    if f.read() != expected:
                        report.fault(name, 0, "differs from what the generator writes")
        if not html_lists(directory, "check"):
            report.fault("Cand*.html", 0, "differs from what velmorhtmllist writes")
    for fault in report.faults:
        print(fault)
    print(summary(directory))
    if report.faults:
        print("%d faults" % len(report.faults))
        return 1
    print("all tables valid")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

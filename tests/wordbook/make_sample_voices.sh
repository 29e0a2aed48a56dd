#!/bin/sh
# Writes the few voice files of the sample word books with espeak-ng, as small mono
# 11025 Hz wav files. Run from the source tree's root: sh tests/wordbook/make_sample_voices.sh
set -e
say() { # folder file voice text
    espeak-ng -v "$3" -s 140 -w "/tmp/velmor_voice.wav" "$4"
    python3 - "/tmp/velmor_voice.wav" "data/$1/$2" <<'PY'
import sys, wave, audioop
src = wave.open(sys.argv[1])
frames = src.readframes(src.getnframes())
frames, _ = audioop.ratecv(frames, src.getsampwidth(), src.getnchannels(),
                           src.getframerate(), 11025, None)
out = wave.open(sys.argv[2], "wb")
out.setnchannels(src.getnchannels()); out.setsampwidth(src.getsampwidth())
out.setframerate(11025); out.writeframes(frames); out.close()
PY
}
mkdir -p data/bookA data/EnglishA data/FrenchA data/GermanA data/SpanishA data/ItalianA data/PortugueseA
say bookA en_hello.wav en-us "Hello"
say bookA fr_bonjour.wav fr "Bonjour"
say bookA de_guten_tag.wav de "Guten Tag"
say bookA es_hola.wav es "Hola"
say bookA it_buongiorno.wav it "Buongiorno"
say bookA pt_ola.wav pt-br "Olá"
say EnglishA hello.wav en-us "hello"
say EnglishA good_morning.wav en-us "good morning"
say EnglishA thank_you.wav en-us "thank you"
say FrenchA chat.wav fr "chat"
say FrenchA chien.wav fr "chien"
say FrenchA bonjour.wav fr "bonjour"
say FrenchA merci.wav fr "merci"
say GermanA vater.wav de "Vater"
say GermanA mutter.wav de "Mutter"
say GermanA familie.wav de "Familie"
say GermanA sprechen.wav de "sprechen"
say SpanishA hola.wav es "hola"
say SpanishA gracias.wav es "gracias"
say SpanishA buenos_dias.wav es "buenos días"
say SpanishA manzana.wav es "manzana"
say ItalianA rosso.wav it "rosso"
say ItalianA treno.wav it "treno"
say ItalianA verde.wav it "verde"
say ItalianA stazione.wav it "stazione"
say PortugueseA ola.wav pt-br "olá"
say PortugueseA obrigado.wav pt-br "obrigado"
say PortugueseA bom_dia.wav pt-br "bom dia"
say PortugueseA tres.wav pt-br "três"
rm -f /tmp/velmor_voice.wav

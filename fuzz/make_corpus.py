#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/.

Each seed follows its target's input layout (see the comment at the top of
each *_fuzzer.cpp). Texts are code page 1251. Run from anywhere."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def cp(s):
    return s.encode('cp1251')


def u16(v):
    return struct.pack('<H', v & 0xFFFF)


def u32(v):
    return struct.pack('<I', v & 0xFFFFFFFF)


def record(text, length=None):
    b = cp(text) if isinstance(text, str) else text
    b = b[:24]
    return bytes([len(b) if length is None else length]) + b + b'\0' * (24 - len(b))


def write(target, seeds):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        os.remove(os.path.join(folder, old))
    for i, seed in enumerate(seeds):
        with open(os.path.join(folder, 'seed-%02d' % i), 'wb') as f:
            f.write(seed)


# Zorna_GetPhonemesChain: flags, position (16 bits), capacity (16 bits), text.
phonetic = ['ма+ма', 'приве+т, ми+р', 'кі+т', "п'я+ть", 'сто+ два+дцать', 'до+м.', 'шёл', 'жи+знь',
            'е+ль', 'щу+ка', 'ї+жак', 'ґа+нок', 'вдо+ль', 'кто+-то', 'а', '+', '=', "з'ї+в", 'схо+д',
            'по+ле', 'тьма+', 'подъе+зд']
chain = []
for i, t in enumerate(phonetic):
    flags = 1 if any(c in t for c in 'іїєґ\'') else 0
    chain.append(bytes([flags]) + u16(1 + i % max(1, len(t))) + u16(350) + cp(t))
chain.append(bytes([0]) + u16(3) + u16(4) + cp('ма+ма'))           # no room for the answer
chain.append(bytes([0x10]) + u16(0) + u32(0x7FFFFFFF) + u16(350) + cp('ма'))  # far position
chain.append(bytes([0x20]) + u16(1) + bytes([0xFF]) + u16(350) + cp('кі+т'))  # flag -1
chain.append(bytes([0x06]) + u16(1) + u16(350) + cp('ма'))          # no text
write('fuzz_phonemes_chain', chain)

# TProcessor: flags, phrase bytes.
phrases = ['Привет, мир!', 'Мама мыла раму.', '123 456 7890123456789', 'abc ABC Hello', 'по-моему',
           'кто-то пришёл', 'в доме', '3.14 и 2,5', 'т.е. и т.д.', 'Київ', "п'ять м’яч", 'ПРИВЕТ',
           '-- - --- -', '@#$%^&*()_=[]{}|\\/<>~`', 'ЁЛКА ёлка', 'Ґанок їжак є', '1-2-3', 'a-b-c',
           'в', 'на столе', 'USB-кабель', '№5 §3', '"кавычки" «ёлочки»', '...!?;:', 'Ж']
write('fuzz_processor', [bytes([i % 16]) + cp(p) for i, p in enumerate(phrases)])


# TAccentDictionary: file length (16 bits), file, words separated by '\n'.
def dictionary(pairs):
    pairs = sorted(((cp(k), cp(s)) for k, s in pairs), key=lambda p: p[0])
    return record('') + b''.join(record(s) + record(k) for k, s in pairs)


small = dictionary([('мама', 'ма+ма'), ('дом', 'до+м'), ('кот', 'ко+т'), ('кіт', 'кі+т')])
many = dictionary([('ма' + c, 'ма+' + c) for c in 'бвгдежзиклмнопрстуфхцчшщ'] +
                  [('под' + c, 'по+д' + c) for c in 'абвгдежз'] + [('cat', 'ca+t'), ('sun', 'su+n')])
unsorted = record('') + record('ко+т') + record('кот') + record('а+') + record('а') + record('до+м') + record('дом')
odd = record('') + record('ма+ма', 30) + record('мама') + b'\x18xyz'
words = '\n'.join(['мама', 'мамы', 'дом', 'дома', 'кот', 'кіт', 'перекот', 'подмама', 'мав', 'маб', 'мая',
                   'sun', 'cat', 'cats', 'приподдом', '', 'я'])
dicts = []
for d in (small, many, unsorted, odd, b'', b'\x05', record('') * 3):
    dicts.append(u16(len(d)) + d + cp(words))
dicts.append(u16(len(small)) + small + cp('переподмама\nзамама\nнедом'))
write('fuzz_accent_dictionary', dicts)


# TAudioSamples: table length, wav size, clip offset, clip count, names separated by '\n'.
def table(units):
    out = b''
    for name, offset, length in sorted(units, key=lambda u: cp(u[0])):
        out += record(name) + record(str(offset)) + record(str(length))
    return out


names = ['а', 'ба+', 'б', 'по+', 'п', 'ма', 'я', 'ґ', 'і', 'ї', '-', ',', '(п)а']
good = table([(n, 8 * i, 8) for i, n in enumerate(names)])
bad = record('а') + record('x1') + record('4') + record('б') + record(' -3 ') + record('2147483648')
short = record('а') + record('0')
huge = record('а') + record('2147483647') + record('2147483647') + record('б') + record('-2147483648') + record('5')
samples = []
for t, wav in ((good, 1024), (bad, 64), (short, 64), (huge, 64), (b'', 16), (b'\x01', 4), (good, 0)):
    samples.append(u16(len(t)) + t + u16(wav) + u32(0) + u32(16) + cp('\n'.join(names + ['нет', ''])))
samples.append(u16(len(good)) + good + u16(100) + u32(0xFFFFFFF0) + u32(0x7FFFFFFF) + cp('ма'))
write('fuzz_audio_samples', samples)

# Zorna_Speak: flags, punctuation (32 bits), speed, volume (signed 16 bits), silence ms, stop after, text.
texts = ['Мама мыла раму.', 'Привет, мир!', 'кто-то дома? Нет; кот.', '123 456', 'abc USB', 'в доме',
         'Кіт і п\'ять їжаків.', '', ' ', '...', 'ма-ма-ма', '(скобки) "кавычки"', 'Ёлка, ЁЖ, ёж.',
         'мама' * 20, '1234567890123456789012345']
speak = []
for i, t in enumerate(texts):
    flags = (1 if any(c in t for c in 'іїєґ\'') else 0) | ((i % 2) << 1) | ((i % 3 == 0) << 2)
    speak.append(bytes([flags]) + u32(i % 4) + u16(1 + 13 * i) + u16(100) + bytes([i * 7 % 256, 3 + i]) + cp(t))
speak.append(bytes([0]) + u32(0x103) + u16(0xFFF0) + u16(0xFFFF) + bytes([255, 0]) + cp('Мама.'))  # odd values
speak.append(bytes([0]) + u32(2) + u16(201) + u16(0) + bytes([0, 0]) + cp('Мама') + b'\0' + cp('хвост'))
write('fuzz_speak', speak)

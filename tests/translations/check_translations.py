#!/usr/bin/env python3
"""Fails when the English translation lags behind the sources.

For each area of translations/areas.txt, runs lupdate over the area's folders into a
copy of its committed .ts: a text added to the sources comes back unfinished, a text
gone from them comes back vanished or obsolete. Every folder of src/ must belong to an
area, or its texts would never be translated.
Every finished entry must keep the source's placeholders (%1 ...) and an accelerator
(&X) where the source has one."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%L?(\d+)')
ACCELERATOR = re.compile(r'&(?!&)\S')


def text(node):
    return '' if node is None or node.text is None else node.text


def problems_in(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter('context'):
        name = text(context.find('name'))
        for message in context.iter('message'):
            source = text(message.find('source'))
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'missing'
            where = f'{name}: "{source}"'
            if kind in ('unfinished', 'missing'):
                found.append(f'no English yet for {where}')
            elif kind in ('vanished', 'obsolete'):
                found.append(f'no longer in the sources: {where}')
            else:
                english = text(translation)
                if not english.strip():
                    found.append(f'empty English for {where}')
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(english)):
                    found.append(f'placeholders differ for {where}: "{english}"')
                # The Chinese captions are fixed texts without mnemonics; English may add
                # one, but must keep any the source has.
                if ACCELERATOR.search(source.replace('&&', '')) and not ACCELERATOR.search(
                        english.replace('&&', '')):
                    found.append(f'accelerator missing for {where}: "{english}"')
    return found


def areas_of(translations):
    with open(os.path.join(translations, 'areas.txt'), encoding='utf-8') as listing:
        for line in listing:
            if line.strip() and not line.startswith('#'):
                area, *folders = line.split()
                yield area, folders


def main():
    lupdate, root = sys.argv[1:3]
    translations = os.path.join(root, 'translations')
    areas = list(areas_of(translations))
    covered = {folder for _, folders in areas for folder in folders}
    found = [f'src/{name} belongs to no area of translations/areas.txt'
             for name in sorted(os.listdir(os.path.join(root, 'src')))
             if os.path.isdir(os.path.join(root, 'src', name)) and f'src/{name}' not in covered]
    with tempfile.TemporaryDirectory() as folder:
        for area, folders in areas:
            fresh = os.path.join(folder, area + '.ts')
            shutil.copyfile(os.path.join(translations, 'en', area + '.ts'), fresh)
            subprocess.run([lupdate, '-silent', '-locations', 'none',
                            *[os.path.join(root, f) for f in folders], '-ts', fresh], check=True)
            found += [f'{area}: {problem}' for problem in problems_in(fresh)]
    for problem in found:
        print(problem)
    if found:
        print(f'{len(found)} problem(s); run the update_translations target and translate.')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())

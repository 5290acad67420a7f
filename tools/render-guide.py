#!/usr/bin/python3
"""Renders the user guide: docs/guide/*.md, in file-name order, into one index.html (a "[TOC]" line
becomes the table of contents), and copies its images beside it. Usage: render-guide.py SOURCE_DIR OUTPUT_DIR VERSION"""
import pathlib
import re
import shutil
import sys

import markdown

STYLE = """
body { font-family: "Liberation Sans", Arial, sans-serif; max-width: 60em; margin: 2em auto;
       padding: 0 1em; line-height: 1.5; color: #1d2b30; }
h1, h2, h3 { color: #206473; }
h1 { border-bottom: 3px solid #206473; padding-bottom: .2em; }
h2 { border-bottom: 1px solid #c9dde2; margin-top: 2em; }
code, pre { background: #eef4f5; border-radius: 3px; }
pre { padding: .6em; overflow-x: auto; }
code { padding: 0 .2em; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #c9dde2; padding: .3em .6em; text-align: left; vertical-align: top; }
th { background: #eef4f5; }
img { max-width: 100%; border: 1px solid #c9dde2; }
.toc { background: #f6fafb; border: 1px solid #c9dde2; padding: .5em 1.5em; }
kbd { border: 1px solid #9fb9c0; border-radius: 3px; padding: 0 .3em; background: #fff; }
"""


def drop_missing_images(body, source):
    """A screenshot not taken yet (tools/screenshots.sh) is left out instead of showing as a broken picture."""
    def keep(match):
        if (source / match.group(1)).is_file():
            return match.group(0)
        print(f"render-guide: no {match.group(1)} yet, left out", file=sys.stderr)
        return ""
    return re.sub(r'<img[^>]*src="([^"]+)"[^>]*>', keep, body)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, output, version = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
    pages = sorted(source.glob("*.md"))
    if not pages:
        sys.exit(f"no guide pages in {source}")
    text = "\n\n".join(page.read_text(encoding="utf-8") for page in pages)
    converter = markdown.Markdown(extensions=["toc", "tables", "fenced_code", "attr_list", "sane_lists"],
                                  extension_configs={"toc": {"toc_depth": "2-3", "title": "Contents"}})
    body = drop_missing_images(converter.convert(text), source)
    html = (f'<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
            f'<title>Tallywick {version} user guide</title>\n<style>{STYLE}</style>\n</head>\n<body>\n'
            f'{body}\n'
            f'<hr><p><small>Tallywick {version}</small></p>\n</body>\n</html>\n')
    output.mkdir(parents=True, exist_ok=True)
    images = source / "images"
    if images.is_dir():
        shutil.copytree(images, output / "images", dirs_exist_ok=True)
    (output / "index.html").write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()

#!/usr/bin/env bash
# Brings the nine translation files up to date with the texts of the code and
# the forms (the translation test fails when one is missing).
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
"$LUPDATE" foundation engine Player editor app -extensions cpp,h,ui -no-obsolete -locations none -silent \
  -ts resources/translations/Brisquel_*.ts

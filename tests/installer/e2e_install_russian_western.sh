#!/usr/bin/env bash
# The Russian installation on a Western system (the test's own locale, code page 1252): the
# dialogs and message boxes still show their Russian texts.
export SETUP_RUSSIAN_SYSTEM_LANG=
export SETUP_EXPECT_CODE_PAGE=1252
exec bash "$SELENARIUM_SOURCE_DIR/tests/installer/e2e_install_russian.sh"

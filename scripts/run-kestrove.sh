#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Kestrove on the current display, or under a virtual X server when there is none.
set -euo pipefail
program=$1
shift
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: starting Kestrove under Xvfb (a virtual X server; nothing will be visible)."
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$program" "$@"
fi
exec "$program" "$@"

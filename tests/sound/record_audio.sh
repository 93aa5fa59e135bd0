#!/usr/bin/env bash
# Runs a command (in its place: same process id) with OpenAL's output written to
# a 16-bit stereo 44100 Hz WAV file instead of a sound card, for checking what the
# editor played:
#   record_audio.sh OUT.wav COMMAND [ARGS...]
#   click_count OUT.wav        # prints "clicks: N", then the time of each
# The OpenAL configuration is left beside the recording as OUT.alsoft.conf.
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: record_audio.sh OUT.wav COMMAND [ARGS...]" >&2
  exit 2
fi
out=$(realpath -m "$1")
shift
conf="${out%.wav}.alsoft.conf"
printf '[general]\nchannels=stereo\nsample-type=int16\nfrequency=44100\n[wave]\nfile=%s\n' "$out" >"$conf"
ALSOFT_DRIVERS=wave ALSOFT_CONF="$conf" exec "$@"

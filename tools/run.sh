#!/bin/sh
# Starts the program built in the given build folder.
set -e
BUILD=${1:-build}
exec "$BUILD/shell/quenbrel2"

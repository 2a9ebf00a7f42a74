#!/bin/sh
# Every plugin file exports exactly one symbol: its header.
status=0
for plugin in "$@"; do
  symbols=$(nm -D --defined-only "$plugin" | awk '{print $3}')
  if [ "$symbols" != "KestrunePluginHeader" ]; then
    echo "$plugin exports: $symbols"
    status=1
  fi
done
exit $status

#!/usr/bin/python3
# service_worker.py: writes the site's service worker from its template with the cache named by
# the build: a digest of every other file of the site, so that any change of the page, the
# program or the art is a new build whose worker replaces the old cache.
# Usage: service_worker.py SITE_FOLDER TEMPLATE
import hashlib
import os
import sys

NAME = 'sw.js'


def build_name(site):
    digest = hashlib.sha256()
    for name in sorted(os.listdir(site)):
        path = os.path.join(site, name)
        if name != NAME and os.path.isfile(path):
            digest.update(name.encode() + b'\0')
            with open(path, 'rb') as file:
                digest.update(hashlib.sha256(file.read()).digest())
    return digest.hexdigest()[:16]


def stamp(site, template):
    """Writes SITE/sw.js; returns the build's name."""
    name = build_name(site)
    with open(template) as file:
        text = file.read()
    with open(os.path.join(site, NAME), 'w') as file:
        file.write(text.replace('@BUILD@', name))
    return name


if __name__ == '__main__':
    stamp(sys.argv[1], sys.argv[2])

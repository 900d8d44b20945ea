// SPDX-License-Identifier: GPL-3.0-or-later
// The built site served as a static host serves it, compressed where the
// browser accepts gzip, on a port of its own on this machine only. Every
// request is recorded, so the bench can tell what a first visit fetched; the
// server can be cut off to take the network away from a page already loaded.
import { createServer, type Server } from 'node:http';
import { readFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { extname, join, normalize, sep } from 'node:path';
import type { AddressInfo } from 'node:net';

// The system's table of file types by their extensions, as a static host
// reads it.
const contentTypes = new Map(readFileSync('/etc/mime.types', 'utf8').split('\n')
  .filter((line) => !line.startsWith('#'))
  .flatMap((line) => {
    const [type, ...extensions] = line.trim().split(/\s+/);
    return extensions.map((extension) => ['.' + extension, type] as const);
  }));

export interface Site {
  readonly origin: string;
  /** Paths asked for, in order, query strings kept. */
  readonly requests: string[];
  /** Answers every later request for this path with 404 or with these bytes. */
  replace(path: string, body: Buffer | null): void;
  /** Closes the server and every open connection: the network is gone. */
  close(): Promise<void>;
}

export async function serveSite(root: string): Promise<Site> {
  const requests: string[] = [];
  const replaced = new Map<string, Buffer | null>();
  const server: Server = createServer(async (request, response) => {
    const url = new URL(request.url ?? '/', 'http://site');
    requests.push(url.pathname + url.search);
    const path = url.pathname.endsWith('/') ? url.pathname + 'index.html' : url.pathname;
    const file = normalize(join(root, decodeURIComponent(path)));
    let body: Buffer | null | undefined = replaced.get(path);
    if (body === undefined && file.startsWith(root + sep))
      body = await readFile(file).catch(() => null);
    if (!body) {
      response.writeHead(404, { 'content-type': 'text/plain' }).end('not found');
      return;
    }
    // Fonts and PNGs are compressed already.
    const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') && !/\.(woff2|png)$/.test(file);
    if (gzip) body = gzipSync(body, { level: 9 });
    response.writeHead(200, {
      'content-type': contentTypes.get(extname(file)) ?? 'application/octet-stream',
      'content-length': body.length,
      'cache-control': 'no-cache',
      ...(gzip ? { 'content-encoding': 'gzip' } : {}),
    }).end(body);
  });
  await new Promise<void>((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address() as AddressInfo;
  return {
    origin: `http://127.0.0.1:${port}`,
    requests,
    replace: (path, body) => replaced.set(path, body),
    close: () =>
      new Promise<void>((resolve) => {
        server.closeAllConnections();
        server.close(() => resolve());
      }),
  };
}

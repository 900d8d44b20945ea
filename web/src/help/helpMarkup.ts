// SPDX-License-Identifier: GPL-3.0-or-later
// The help file is written in a small part of HTML: the elements, attributes
// and styles the program's own help page uses, each style with bounded
// values, every element closed in order, at most 1,000 elements nested at
// most 16 deep, tables at most 4 deep. The desktop's help window reads a
// page by the same rules. A page is read by these rules alone and built
// anew, element by element, so the page shows only what was read here:
// nothing is parsed by the browser, nothing fetched, nothing run.

// The help page is 7 KB; this leaves room for one many times larger.
export const largestHelpFile = 64 << 10;

// What an element is, and so where it may stand.
const enum Kind {
  Words = 1 << 0,
  Phrase = 1 << 1,
  Block = 1 << 2,
  Item = 1 << 3,
  Row = 1 << 4,
  Cell = 1 << 5,
  HeadPart = 1 << 6,
  Section = 1 << 7,
  Page = 1 << 8,
}
const flow = Kind.Words | Kind.Phrase | Kind.Block;

interface ElementRule {
  name: string;
  kind: Kind;
  // What it may hold; nothing for an element written without an end tag.
  holds: number;
  attributes: readonly string[];
  // Whether the element stands on the page; the page's frame does not, and
  // the body's style goes to the viewer itself.
  shown: boolean;
}

// A paragraph holds only words and phrases, so that no reader closes it
// early; lists hold items, tables rows, rows cells.
const elementRules: readonly ElementRule[] = [
  { name: 'html', kind: Kind.Page, holds: Kind.Section, attributes: ['lang'], shown: false },
  { name: 'head', kind: Kind.Section, holds: Kind.HeadPart, attributes: [], shown: false },
  { name: 'title', kind: Kind.HeadPart, holds: Kind.Words, attributes: [], shown: false },
  { name: 'meta', kind: Kind.HeadPart, holds: 0, attributes: ['charset'], shown: false },
  { name: 'body', kind: Kind.Section, holds: flow, attributes: ['style'], shown: false },
  { name: 'p', kind: Kind.Block, holds: Kind.Words | Kind.Phrase, attributes: ['style'], shown: true },
  { name: 'ul', kind: Kind.Block, holds: Kind.Item, attributes: ['style'], shown: true },
  { name: 'ol', kind: Kind.Block, holds: Kind.Item, attributes: ['style'], shown: true },
  { name: 'li', kind: Kind.Item, holds: flow, attributes: ['style'], shown: true },
  { name: 'table', kind: Kind.Block, holds: Kind.Row, attributes: ['cellpadding', 'border'], shown: true },
  { name: 'tr', kind: Kind.Row, holds: Kind.Cell, attributes: [], shown: true },
  { name: 'td', kind: Kind.Cell, holds: flow, attributes: ['style'], shown: true },
  { name: 'hr', kind: Kind.Block, holds: 0, attributes: [], shown: true },
  { name: 'br', kind: Kind.Phrase, holds: 0, attributes: [], shown: true },
  { name: 'a', kind: Kind.Phrase, holds: Kind.Words | Kind.Phrase, attributes: ['href', 'name'], shown: true },
  { name: 'b', kind: Kind.Phrase, holds: Kind.Words | Kind.Phrase, attributes: [], shown: true },
  { name: 'i', kind: Kind.Phrase, holds: Kind.Words | Kind.Phrase, attributes: [], shown: true },
  { name: 'span', kind: Kind.Phrase, holds: Kind.Words | Kind.Phrase, attributes: ['style'], shown: true },
];
// The file itself, which may also be a bare fragment of a body.
const wholeFile: ElementRule = { name: '', kind: Kind.Page, holds: Kind.Page | flow, attributes: [], shown: false };

// An attribute's or a style's value: the whole of it matches the pattern,
// and a number it captures lies within the bounds.
interface ValueRule {
  pattern: RegExp;
  lowest?: number;
  highest?: number;
}

const attributeRules: Record<string, ValueRule> = {
  lang: { pattern: /^[a-z]{2,3}(?:-[A-Za-z]{2,4})?$/ },
  charset: { pattern: /^utf-8$/i },
  href: { pattern: /^#[A-Za-z0-9_-]{1,40}$/ },
  name: { pattern: /^[A-Za-z0-9_-]{1,40}$/ },
  cellpadding: { pattern: /^([0-9]{1,2})$/, lowest: 0, highest: 20 },
  border: { pattern: /^([0-9]{1,2})$/, lowest: 0, highest: 20 },
};

// The styles of the help page, each within sizes a page of help needs.
const styleRules: Record<string, ValueRule> = {
  'font-size': { pattern: /^([0-9]{1,2})pt$/, lowest: 8, highest: 36 },
  'font-weight': { pattern: /^(?:bold|normal)$/ },
  color: { pattern: /^#[0-9a-fA-F]{6}$/ },
  'background-color': { pattern: /^#[0-9a-fA-F]{6}$/ },
  'margin-top': { pattern: /^([0-9]{1,2})px$/, lowest: 0, highest: 48 },
};

const mostElements = 1000;
const deepest = 16;
const deepestTables = 4;

function keeps(rules: Record<string, ValueRule>, name: string, value: string): boolean {
  const rule = Object.prototype.hasOwnProperty.call(rules, name) ? rules[name] : undefined;
  const match = rule?.pattern.exec(value);
  if (!rule || !match) return false;
  return match[1] === undefined || (Number(match[1]) >= rule.lowest! && Number(match[1]) <= rule.highest!);
}

function declarations(style: string): [string, string][] {
  return style.split(';').filter((part) => part.length > 0).map((declaration) => {
    const colon = declaration.indexOf(':');
    return colon < 0 ? [declaration.trim(), ''] : [declaration.slice(0, colon).trim(), declaration.slice(colon + 1).trim()];
  });
}

// Words with the four characters markup needs written as entities; any other
// "&" is refused.
const entities: Record<string, string> = { '&amp;': '&', '&lt;': '<', '&gt;': '>', '&quot;': '"' };

function plainWords(text: string): string | undefined {
  let words = '';
  for (let at = 0; at < text.length; ++at) {
    if (text[at] !== '&') {
      words += text[at];
      continue;
    }
    const entity = Object.keys(entities).find((written) => text.startsWith(written, at));
    if (!entity) return undefined;
    words += entities[entity];
    at += entity.length - 1;
  }
  return words;
}

interface Open {
  rule: ElementRule;
  node: Node;
}

const comment = /<!--[\s\S]*?-->/y;
const doctype = /<!doctype\s+html\s*>/iy;
const endTagPattern = /<\/([a-zA-Z][a-zA-Z0-9]*)\s*>/y;
const startTagPattern = /<([a-zA-Z][a-zA-Z0-9]*)((?:\s+[a-zA-Z-]+="[^"<>]*")*)\s*\/?>/y;
const textPattern = /[^<]+/y;
const attributePattern = /\s+([a-zA-Z-]+)="([^"<>]*)"/g;

class Reader {
  private readonly open: Open[];
  private elements = 0;
  private showsWords = false;

  constructor(private readonly into: HTMLElement) {
    this.open = [{ rule: wholeFile, node: into }];
  }

  read(page: string): boolean {
    let offset = 0;
    const at = (pattern: RegExp) => {
      pattern.lastIndex = offset;
      return pattern.exec(page);
    };
    while (offset < page.length) {
      let match: RegExpExecArray | null;
      let kept = false;
      if ((match = at(textPattern))) kept = this.words(match[0]);
      else if ((match = at(comment)) || (match = at(doctype))) kept = true;
      else if ((match = at(endTagPattern))) kept = this.endTag(match[1]);
      else if ((match = at(startTagPattern))) kept = this.startTag(match);
      if (!match || !kept) return false;
      offset += match[0].length;
    }
    return this.open.length === 1 && this.showsWords;
  }

  private get top(): Open {
    return this.open[this.open.length - 1];
  }

  private startTag(tag: RegExpExecArray): boolean {
    const name = tag[1].toLowerCase();
    const rule = elementRules.find((candidate) => candidate.name === name);
    if (!rule || !(this.top.rule.holds & rule.kind) || ++this.elements > mostElements) return false;
    if (tag[0].endsWith('/>') && rule.holds !== 0) return false;
    const element = rule.shown ? document.createElement(name) : undefined;
    const seen = new Set<string>();
    for (const [, attributeName, value] of tag[2].matchAll(attributePattern)) {
      const attribute = attributeName.toLowerCase();
      if (seen.has(attribute) || !rule.attributes.includes(attribute)) return false;
      seen.add(attribute);
      if (attribute === 'style') {
        if (!declarations(value).every(([property, setting]) => keeps(styleRules, property, setting))) return false;
        const styled = element ?? (name === 'body' ? this.into : undefined);
        for (const [property, setting] of declarations(value)) styled?.style.setProperty(property, setting);
      } else if (!keeps(attributeRules, attribute, value)) {
        return false;
      } else if (attribute === 'href') {
        element?.setAttribute('data-jump', value.slice(1));
      } else if (attribute === 'name') {
        element?.setAttribute('data-place', value);
      } else if (element) {
        element.setAttribute(attribute, value);
      }
    }
    // The page's frame and head hold their words apart, never shown.
    const node: Node = element ?? (name === 'body' || name === 'html' ? this.top.node : document.createElement('div'));
    if (element) this.top.node.appendChild(element);
    if (rule.holds === 0) return true;
    this.open.push({ rule, node });
    const tables = this.open.filter((open) => open.rule.name === 'table').length;
    // The whole file counts as no element.
    return this.open.length - 1 <= deepest && tables <= deepestTables;
  }

  private endTag(name: string): boolean {
    if (this.open.length < 2 || name.toLowerCase() !== this.top.rule.name) return false;
    this.open.pop();
    return true;
  }

  // Blank text goes anywhere and is kept where words may stand; words only
  // where their element holds words. A title's words are not shown.
  private words(text: string): boolean {
    const blank = text.trim().length === 0;
    if (!(this.top.rule.holds & Kind.Words)) return blank;
    const plain = plainWords(text);
    if (plain === undefined) return false;
    this.showsWords ||= !blank && this.top.rule.kind !== Kind.HeadPart;
    this.top.node.appendChild(document.createTextNode(plain));
    return true;
  }
}

// Builds the page into `into`; false, with `into` to be emptied, for a page
// that strays from the help's markup in any way or holds no words to show.
export function buildHelpPage(page: string, into: HTMLElement): boolean {
  return new Reader(into).read(page);
}

// Text, not the bytes of a program or a picture given the help file's name:
// UTF-8 without control characters.
export function helpText(bytes: Uint8Array): string | undefined {
  let text: string;
  try {
    text = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return undefined;
  }
  return /[\x00-\x08\x0b\x0e-\x1f\x7f]/.test(text) ? undefined : text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window's controls from its layout table. Each control's DOM id is
// its name; within a parent the controls follow its Tab order, so that the
// Tab key visits them as on the desktop.
import type { ControlSpec, FontSpec } from './Controls';
import { windowFont } from './Controls';

const faces = { proportional: 'var(--proportional)', fixed: 'var(--fixed)' } as const;

function applyFont(element: HTMLElement, font: FontSpec): void {
  element.style.fontFamily = faces[font.face];
  element.style.fontSize = `${font.size}px`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
}

function radioGroup(spec: ControlSpec, root: HTMLElement): HTMLElement {
  const group = document.createElement('div');
  group.setAttribute('role', 'radiogroup');
  const caption = document.createElement('div');
  caption.className = 'caption';
  caption.textContent = spec.caption ?? '';
  caption.id = `${spec.id}-caption`;
  group.setAttribute('aria-labelledby', caption.id);
  const items = document.createElement('div');
  items.className = 'items';
  const columns = spec.columns ?? 1;
  const rows = Math.ceil((spec.items?.length ?? 0) / columns);
  items.style.gridTemplateRows = `repeat(${rows}, auto)`;
  spec.items?.forEach((text, index) => {
    const item = document.createElement('label');
    item.dataset.index = String(index);
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = `${root.id}-${spec.id}`;
    input.value = String(index);
    input.checked = index === 0;
    item.append(input, text);
    items.append(item);
  });
  group.append(caption, items);
  return group;
}

const makers: Record<ControlSpec['kind'], (spec: ControlSpec, root: HTMLElement) => HTMLElement> = {
  panel: () => document.createElement('div'),
  cell: () => {
    // Not a text input: no on-screen keyboard comes up for it.
    const cell = document.createElement('div');
    cell.setAttribute('role', 'textbox');
    cell.tabIndex = 0;
    return cell;
  },
  box: (spec) => {
    const box = document.createElement('div');
    box.setAttribute('role', 'textbox');
    box.setAttribute('aria-readonly', 'true');
    box.tabIndex = spec.tab === undefined ? -1 : 0;
    return box;
  },
  picture: () => {
    const picture = document.createElement('img');
    picture.alt = '';
    picture.draggable = false;
    return picture;
  },
  rule: () => document.createElement('div'),
  button: () => document.createElement('button'),
  speedButton: () => {
    const button = document.createElement('button');
    button.tabIndex = -1;
    return button;
  },
  key: () => document.createElement('button'),
  label: () => document.createElement('div'),
  radioGroup,
};

function make(spec: ControlSpec, root: HTMLElement): HTMLElement {
  const element = makers[spec.kind](spec, root);
  element.id = spec.id;
  element.classList.add('control', spec.kind);
  element.style.left = `${spec.left}px`;
  element.style.top = `${spec.top}px`;
  element.style.width = `${spec.width}px`;
  element.style.height = `${spec.height}px`;
  if (element instanceof HTMLButtonElement) element.type = 'button';
  if (spec.font) applyFont(element, spec.font);
  if (spec.colour) element.style.color = spec.colour;
  if (spec.caption !== undefined && spec.kind !== 'radioGroup') element.textContent = spec.caption;
  if (spec.hint) element.title = spec.hint;
  if (spec.spokenName) element.setAttribute('aria-label', spec.spokenName);
  return element;
}

// Adds the controls of `specs` to `root`, which stands for the window's
// client area and takes the window's font.
export function buildControls(root: HTMLElement, specs: readonly ControlSpec[], font: FontSpec = windowFont): void {
  applyFont(root, font);
  const elements = new Map(specs.map((spec) => [spec.id, make(spec, root)]));
  const byTab = [...specs].sort((a, b) => (a.tab ?? Infinity) - (b.tab ?? Infinity));
  for (const spec of byTab) {
    const parent = spec.parent === undefined ? root : elements.get(spec.parent);
    if (!parent) throw new Error(`${spec.id} is laid out on ${spec.parent}, which is not in the table`);
    parent.append(elements.get(spec.id)!);
  }
}

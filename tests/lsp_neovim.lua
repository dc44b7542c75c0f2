-- Neovim's own language client against `scenario lsp`: opens the train text
-- of a scenario folder, waits for the diagnostics, asks for a hover and the
-- outline, and writes what it got to the file named by LSP_ESITO.
local scenario = os.getenv('LSP_SCENARIO')
local treno = os.getenv('LSP_TRENO')
local esito = io.open(os.getenv('LSP_ESITO'), 'w')

vim.cmd('edit ' .. vim.fn.fnameescape(treno))
local buf = vim.api.nvim_get_current_buf()
local client = vim.lsp.start_client({
  name = 'scenario',
  cmd = { scenario, 'lsp' },
  root_dir = vim.fn.fnamemodify(treno, ':h'),
})
vim.lsp.buf_attach_client(buf, client)

vim.wait(20000, function() return #vim.diagnostic.get(buf) > 0 end, 50)
for _, d in ipairs(vim.diagnostic.get(buf)) do
  esito:write(string.format('diagnostica %d:%d %s %s\n', d.lnum + 1, d.col + 1, d.code or '',
                            d.message))
end

local riga = tonumber(os.getenv('LSP_RIGA_VELOCITA')) - 1
local risposte = vim.lsp.buf_request_sync(buf, 'textDocument/hover', {
  textDocument = vim.lsp.util.make_text_document_params(buf),
  position = { line = riga, character = 20 },
}, 20000) or {}
for _, r in pairs(risposte) do
  if r.result then esito:write('hover ' .. r.result.contents.value:gsub('\n', ' ') .. '\n') end
end

local simboli = vim.lsp.buf_request_sync(buf, 'textDocument/documentSymbol', {
  textDocument = vim.lsp.util.make_text_document_params(buf),
}, 20000) or {}
for _, r in pairs(simboli) do
  for _, s in ipairs(r.result or {}) do
    esito:write('simbolo ' .. s.name .. ' ' .. #(s.children or {}) .. '\n')
  end
end
esito:close()
vim.lsp.stop_client(client)
vim.cmd('qall!')
